#pragma once
// "Format Column": the number of significant figures of a table column (1 to
// 10, validated by the field) and whether it applies to every column. The
// caller sets the two fields, runs it (Execute) and, unless the result is
// IDCANCEL, reads them back.

#include <cstdint>

#include "controls/DialogBase.h"

class IntEdit;

namespace OWL {
class TCheckBox;
class TUpDown;
} // namespace OWL

namespace TableView {

class SigFigDialog : public Ovo::DialogBase {
public:
    explicit SigFigDialog(OWL::TWindow* parent, OWL::TModule* module = nullptr);
    ~SigFigDialog() override;

    std::int32_t significantFigures = 4;
    bool applyToAll = false;

    IntEdit& Edit() const { return *mEdit; }
    // OK: the fields take the edit's number and the box's state; the dialog
    // closes with IDOK only when the field's validator accepts its text.
    void CmOk() override;

    DECLARE_RESPONSE_TABLE(SigFigDialog);

protected:
    void SetupWindow() override;

private:
    IntEdit* mEdit;
    OWL::TCheckBox* mCheckBox;
    OWL::TUpDown* mUpDown;
};

} // namespace TableView
