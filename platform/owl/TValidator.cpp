#include "platform/owl/TValidator.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/owl/TWindow.h"
#include "platform/user/msgbox_api.h"

namespace OWL {

void TValidator::Error(TWindow*) {}

bool TValidator::IsValidInput(LPWSTR, bool) {
    return true;
}

bool TValidator::IsValid(LPCWSTR) {
    return true;
}

UINT TValidator::Transfer(LPWSTR, void*, int) {
    return 0;
}

int TValidator::Adjust(std::u16string&, int&, int&, int) {
    return 0;
}

bool TValidator::Valid(LPCWSTR text, TWindow* owner) {
    if (IsValid(text))
        return true;
    if (owner != nullptr)
        Error(owner);
    return false;
}

TFilterValidator::TFilterValidator(std::u16string validCharacters) : mValid(std::move(validCharacters)) {}

bool TFilterValidator::AllValid(LPCWSTR text) const {
    for (const WCHAR* c = text; c != nullptr && *c != 0; ++c)
        if (mValid.find(*c) == std::u16string::npos)
            return false;
    return true;
}

void TFilterValidator::Error(TWindow* owner) {
    MessageBoxW(owner ? owner->GetHandle() : nullptr, u"Invalid character in input", u"Invalid Entry",
                MB_OK | MB_ICONEXCLAMATION);
}

bool TFilterValidator::IsValidInput(LPWSTR text, bool) {
    return AllValid(text);
}

bool TFilterValidator::IsValid(LPCWSTR text) {
    return AllValid(text);
}

TRangeValidator::TRangeValidator(long minimum, long maximum)
    : TFilterValidator(u"0123456789+-"), mMin(minimum), mMax(maximum) {}

bool TRangeValidator::IsValid(LPCWSTR text) {
    if (text == nullptr || *text == 0 || !AllValid(text))
        return false;
    std::string narrow;
    for (const WCHAR* c = text; *c != 0; ++c)
        narrow += static_cast<char>(*c);
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(narrow.c_str(), &end, 10);
    return errno == 0 && end != narrow.c_str() && *end == 0 && value >= mMin && value <= mMax;
}

void TRangeValidator::Error(TWindow* owner) {
    const std::string text =
        "Value is not in the range " + std::to_string(mMin) + " to " + std::to_string(mMax) + ".";
    MessageBoxW(owner ? owner->GetHandle() : nullptr, std::u16string(text.begin(), text.end()).c_str(),
                u"Invalid Entry", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace OWL
