#include "controls/DialogBase.h"

#include "module/ModuleInstance.h"
#include "platform/owl/TModule.h"
#include "platform/win32/resources.h"

namespace Ovo {

DialogBase::DialogBase(OWL::TWindow* parent, LPCWSTR resId, OWL::TModule* module)
    : OWL::TDialog(parent, LoadTemplate(resId, module), module) {}

std::vector<BYTE> DialogBase::LoadTemplate(LPCWSTR resId, OWL::TModule* module) {
    constexpr WORD kUsEnglish = 0x0409;
    const HINSTANCE instance = module != nullptr ? module->GetHandle() : Tarvik::ModuleInstance();
    const LPCWSTR dialog = MAKEINTRESOURCEW(5); // RT_DIALOG
    HRSRC found = FindResourceExW(instance, dialog, resId, kUsEnglish);
    if (found == nullptr)
        found = FindResourceW(instance, resId, dialog);
    const auto* bytes =
        found ? static_cast<const BYTE*>(LockResource(LoadResource(instance, found))) : nullptr;
    if (bytes == nullptr)
        return {};
    return std::vector<BYTE>(bytes, bytes + SizeofResource(instance, found));
}

} // namespace Ovo
