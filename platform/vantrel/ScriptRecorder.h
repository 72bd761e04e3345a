#pragma once
// The host's script recorder, which turns messages into statements of its
// script language, with the builders it hands out, and the line sink that takes
// the description of a message class. Texts go in as string interfaces or as
// NUL-terminated UTF-16; texts come out as string interfaces with one
// reference. The statements' form is the recorder's.

#include "platform/vantrel/IAutoOvoString.h"

// The recorder's ids are our own.
inline constexpr IID IID_IScriptRecorder = MakeGuid("{9E2C6B41-7D3A-4F58-A1C2-3B5D8E0F6A17}");
inline constexpr IID IID_ICallBuilder = MakeGuid("{9E2C6B42-7D3A-4F58-A1C2-3B5D8E0F6A17}");
inline constexpr IID IID_IArrayBuilder = MakeGuid("{9E2C6B43-7D3A-4F58-A1C2-3B5D8E0F6A17}");
inline constexpr IID IID_IAssignmentBuilder = MakeGuid("{9E2C6B44-7D3A-4F58-A1C2-3B5D8E0F6A17}");
inline constexpr IID IID_ILineSink = MakeGuid("{9E2C6B45-7D3A-4F58-A1C2-3B5D8E0F6A17}");

// Script argument type codes: 0 a number, 1 a variable written earlier, 2 a
// string, 3 an array, 4 a rectangle, 5 a boolean.
inline constexpr DWORD kScriptNumber = 0;
inline constexpr DWORD kScriptVariable = 1;
inline constexpr DWORD kScriptString = 2;
inline constexpr DWORD kScriptArray = 3;
inline constexpr DWORD kScriptRect = 4;
inline constexpr DWORD kScriptBool = 5;

// Flags of WriteText that the module sets.
inline constexpr DWORD kRecordNoComments = 0x10000000;
inline constexpr DWORD kRecordCommentLine = 0x20000000;

struct ICallBuilder : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; }                                         // slot 3
    virtual HRESULT SetTarget(IAutoOvoString* object, IAutoOvoString* name) = 0;              // slot 4
    virtual HRESULT AddArgument(IAutoOvoString* name, IAutoOvoString* value, DWORD type) = 0; // slot 5
    virtual HRESULT GetText(IAutoOvoString** statement) = 0;                                  // slot 6

protected:
    ~ICallBuilder() = default;
};

struct IArrayBuilder : IUnknown {
    virtual HRESULT SetName(IAutoOvoString* name) = 0;               // slot 3
    virtual HRESULT AddItem(IAutoOvoString* item) = 0;               // slot 4
    virtual HRESULT GetDeclaration(IAutoOvoString** statements) = 0; // slot 5
    virtual HRESULT GetReference(IAutoOvoString** variable) = 0;     // slot 6

protected:
    ~IArrayBuilder() = default;
};

struct IAssignmentBuilder : IUnknown {
    virtual HRESULT SetName(DWORD reserved, IAutoOvoString* variable) = 0;           // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; }                                // slot 4
    virtual HRESULT SetValue(DWORD reserved, IAutoOvoString* value, DWORD type) = 0; // slot 5
    virtual HRESULT GetText(DWORD reserved, IAutoOvoString** statement) = 0;         // slot 6

protected:
    ~IAssignmentBuilder() = default;
};

struct IScriptRecorder : IUnknown {
    virtual HRESULT WriteText(const WCHAR* text, DWORD flags) = 0; // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; }              // slots 4 to 19: not used by the module
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    virtual HRESULT Reserved10() { return E_NOTIMPL; }
    virtual HRESULT Reserved11() { return E_NOTIMPL; }
    virtual HRESULT Reserved12() { return E_NOTIMPL; }
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    virtual HRESULT Reserved14() { return E_NOTIMPL; }
    virtual HRESULT Reserved15() { return E_NOTIMPL; }
    virtual HRESULT Reserved16() { return E_NOTIMPL; }
    virtual HRESULT Reserved17() { return E_NOTIMPL; }
    virtual HRESULT Reserved18() { return E_NOTIMPL; }
    virtual HRESULT Reserved19() { return E_NOTIMPL; }
    virtual HRESULT NewCall(DWORD reserved, ICallBuilder** builder) = 0;             // slot 20
    virtual HRESULT NewArray(DWORD reserved, IArrayBuilder** builder) = 0;           // slot 21
    virtual HRESULT NewAssignment(DWORD reserved, IAssignmentBuilder** builder) = 0; // slot 22
    // The expression that names the object messages are sent to.
    virtual HRESULT GetObjectName(DWORD reserved, IAutoOvoString** name) = 0; // slot 23

protected:
    ~IScriptRecorder() = default;
};

struct ILineSink : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; }             // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; }             // slot 4
    virtual HRESULT AddLine(const WCHAR* line, DWORD cookie) = 0; // slot 5

protected:
    ~ILineSink() = default;
};
