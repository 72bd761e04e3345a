#pragma once
// Validators of edit controls: a validator decides whether a typed character
// is acceptable (IsValidInput) and whether a whole text is valid (IsValid), and
// reports an invalid text (Error). An edit owns its validator (TEdit).
//
// TFilterValidator accepts only the characters of its set; TRangeValidator
// accepts digits and signs and, as a whole, a decimal integer from its
// minimum to its maximum, both included. Its Error is a message box on the
// owner: "Value is not in the range <min> to <max>.", captioned "Invalid
// Entry", OK, exclamation icon.

#include <string>

#include "platform/win32/types.h"

namespace OWL {

class TWindow;

class TValidator {
public:
    TValidator() = default;
    virtual ~TValidator() = default;
    TValidator(const TValidator&) = delete;
    TValidator& operator=(const TValidator&) = delete;

    // Reports an invalid text to the user; nothing here.
    virtual void Error(TWindow* owner);
    // Whether text, typed so far, may stand.
    virtual bool IsValidInput(LPWSTR text, bool suppressFill);
    // Whether the whole text is valid.
    virtual bool IsValid(LPCWSTR text);
    // Data transfer through the validator: nothing transferred here.
    virtual UINT Transfer(LPWSTR text, void* buffer, int direction);
    // Moves a position within the text by amount; the amount moved.
    virtual int Adjust(std::u16string& text, int& begin, int& end, int amount);

    // IsValid; when false, reports through Error (owner not null) first.
    bool Valid(LPCWSTR text, TWindow* owner = nullptr);
};

class TFilterValidator : public TValidator {
public:
    explicit TFilterValidator(std::u16string validCharacters);

    void Error(TWindow* owner) override;
    bool IsValidInput(LPWSTR text, bool suppressFill) override;
    bool IsValid(LPCWSTR text) override;

protected:
    bool AllValid(LPCWSTR text) const;

private:
    std::u16string mValid;
};

class TRangeValidator : public TFilterValidator {
public:
    TRangeValidator(long minimum, long maximum);

    void Error(TWindow* owner) override;
    bool IsValid(LPCWSTR text) override;

    long GetMin() const { return mMin; }
    long GetMax() const { return mMax; }
    void SetMin(long minimum) { mMin = minimum; }
    void SetMax(long maximum) { mMax = maximum; }

private:
    long mMin;
    long mMax;
};

} // namespace OWL
