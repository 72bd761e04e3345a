#pragma once
// XOvo: the module's exception, carrying an HRESULT and a message. The message
// of an exception made from a bare code is the code's text: the module's own
// codes are looked up in its error table (texts in the host's string table),
// all other codes in the system's message table.

#include <exception>

#include "core/String.h"
#include "platform/win32/hresult.h"

// The module's own failure codes: severity and customer bits, FACILITY_ITF,
// low words 0x8200 to 0x8219.
inline constexpr HRESULT OVO_E_STRING_RECORD = MakeHResult(0xA0048203u);   // malformed string record
inline constexpr HRESULT OVO_E_PERSISTED_DATA = MakeHResult(0xA0048205u);  // malformed persisted data
inline constexpr HRESULT OVO_E_UNEXPECTED_DATA = MakeHResult(0xA004820Au); // data not as expected
inline constexpr HRESULT OVO_E_MESSAGE = MakeHResult(0xA004820Fu);         // the thrower gives the message
inline constexpr HRESULT OVO_E_MESSAGE_ONLY = MakeHResult(0xA0048210u);    // ... and no code text follows it
inline constexpr HRESULT OVO_E_MESSAGE_ONLY_2 = MakeHResult(0xA0048211u);  // ... likewise
// A storage failure that is reported as OVO_E_PERSISTED_DATA.
inline constexpr HRESULT OVO_STG_E_STORAGE_FORMAT = MakeHResult(0x80030105u);

class XOvo : public std::exception {
public:
    // The message is the code's text.
    explicit XOvo(HRESULT code);
    // The message is the text, followed by "\n" and the code's text unless the
    // code is 0, OVO_E_MESSAGE_ONLY or OVO_E_MESSAGE_ONLY_2.
    XOvo(const Ovo::String& text, HRESULT code);
    ~XOvo() override = default;

    // The message in the thread's 8-bit code page, cached in the message.
    const char* what() const noexcept override;
    Ovo::String Message() const { return mMessage; }
    HRESULT Code() const { return mCode; }

    static Ovo::String CodeText(HRESULT code);
    static Ovo::String ResourceCodeText(HRESULT code);

private:
    HRESULT mCode;
    Ovo::String mMessage;
};
