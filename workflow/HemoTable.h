#pragma once
// The haemodynamics table's settings (model 12): two table options and the
// loop parameters shown as its columns (ids 0 to 29; 0 is always kept as it is).

#include "workflow/ModelBase.h"

namespace Tarvik {

class HemoTable : public ModelBase<kHemoTableModel> {
public:
    explicit HemoTable(ModelDocument* document);

    // 56, 57 bool; then for each loop parameter 1 to 29 one byte, 1 when it is shown. Loading
    // shows each id whose byte is non-zero and hides each whose byte is zero.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;

private:
    bool mExportOption = true; // 56
    bool mViewOption = false;  // 57
    IntSet mShown;             // 55
};

} // namespace Tarvik
