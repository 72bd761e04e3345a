#include "tableview/SigFigDialog.h"

#include <cstdlib>
#include <string>

#include "controls/IntEdit.h"
#include "platform/owl/TButton.h"
#include "platform/owl/TUpDown.h"
#include "platform/user/msgbox_api.h"
#include "resources/ModuleDialogs.h"

namespace TableView {
namespace {

constexpr int kCheckBoxId = 1002;
constexpr int kUpDownId = 1003;

// As the standard library's text-to-integer conversion: leading blanks, a
// sign, the digits up to the first other character; no digits give 0.
std::int32_t LeadingInteger(const WCHAR* text) {
    std::string narrow;
    for (const WCHAR* c = text; *c != 0; ++c)
        narrow += *c < 0x80 ? static_cast<char>(*c) : '?';
    return static_cast<std::int32_t>(std::atoi(narrow.c_str()));
}

} // namespace

DEFINE_RESPONSE_TABLE1(SigFigDialog, Ovo::DialogBase)
EV_COMMAND(IDOK, CmOk), END_RESPONSE_TABLE;

SigFigDialog::SigFigDialog(OWL::TWindow* parent, OWL::TModule* module)
    : Ovo::DialogBase(parent, MAKEINTRESOURCEW(Tarvik::kSigFigDialog), module), mEdit(new IntEdit(this)),
      mCheckBox(new OWL::TCheckBox(this, kCheckBoxId, module)),
      mUpDown(new OWL::TUpDown(this, kUpDownId, nullptr, module)) {}

SigFigDialog::~SigFigDialog() = default; // the controls are children: the window deletes them

void SigFigDialog::SetupWindow() {
    Ovo::DialogBase::SetupWindow();
    mUpDown->SetRange(1, 10);
    const std::string digits = std::to_string(significantFigures);
    mEdit->SetText(std::u16string(digits.begin(), digits.end()).c_str());
    mCheckBox->SetCheck(applyToAll ? OWL::BF_CHECKED : OWL::BF_UNCHECKED);
}

void SigFigDialog::CmOk() {
    WCHAR text[30] = {};
    mEdit->GetWindowText(text, 30);
    significantFigures = LeadingInteger(text);
    applyToAll = mCheckBox->GetCheck() == OWL::BF_CHECKED;
    Ovo::DialogBase::CmOk();
}

} // namespace TableView
