#include "controls/LongRangeValidatorErrProv.h"

#include "controls/ErrorProvider.h"
#include "core/OFormatStringStream.h"
#include "module/ModuleInstance.h"

namespace OvoControls {
namespace {

constexpr UINT kTitleId = 22034;
constexpr UINT kRangeFormatId = 22035;

const Ovo::String& ModuleText(UINT id) {
    static const Ovo::String title = [] {
        Ovo::String s;
        Ovo::LoadResString(s, Tarvik::ModuleInstance(), kTitleId, true);
        return s;
    }();
    static const Ovo::String format = [] {
        Ovo::String s;
        Ovo::LoadResString(s, Tarvik::ModuleInstance(), kRangeFormatId, true);
        return s;
    }();
    return id == kTitleId ? title : format;
}

} // namespace

void LongRangeValidatorErrProv::Error(OWL::TWindow* owner) {
    if (mProvider == nullptr) {
        OvoRangeValidator::Error(owner);
        return;
    }
    Ovo::OFormatStringStream message(ModuleText(kRangeFormatId));
    message << GetMin();
    message.EndArgument();
    message << GetMax();
    message.EndArgument();
    mProvider->SetError(ModuleText(kTitleId), message.str(), true);
}

} // namespace OvoControls
