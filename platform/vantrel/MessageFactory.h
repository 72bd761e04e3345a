#pragma once
// The host's message factory, with which the module registers its automation
// message classes, and the interface of a message class.

#include "platform/vantrel/Message.h"
#include "platform/vantrel/ScriptRecorder.h"

struct DISPPARAMS;

inline constexpr IID IID_IMessageFactory = MakeGuid("{C7482421-F548-4440-909D-C8E9FAFEEA10}");
inline constexpr IID IID_IMsgIdMessageClassObject = MakeGuid("{B08F5EBD-A5F1-428D-8EF6-1543888F973F}");

struct IMsgIdMessageClassObject : IUnknown {
    virtual HRESULT GetMessageId(DWORD* id) = 0; // slot 3
    // Each frees a BSTR already in *text first; an empty text leaves it null.
    virtual HRESULT GetName(BSTR* text) = 0;     // slot 4
    virtual HRESULT GetCategory(BSTR* text) = 0; // slot 5
    // With one reference for the caller.
    virtual HRESULT GetDescription(IAutoOvoString** text) = 0; // slot 6
    virtual HRESULT GetBoolPropertyA(VARIANT_BOOL* value) = 0; // slot 7
    virtual HRESULT GetBoolPropertyB(VARIANT_BOOL* value) = 0; // slot 8
    // A message from the arguments of an automation call.
    virtual HRESULT CreateMessage(DISPPARAMS* arguments, IMessage** message) = 0; // slot 9
    // The message as a script statement, written through the recorder.
    virtual HRESULT GetMessageText(DWORD reserved, IMessage* message, IScriptRecorder* recorder,
                                   DWORD flags) = 0; // slot 10
    // The statement with the parameters' default values.
    virtual HRESULT GetDefaultMessageText(DWORD reserved, IScriptRecorder* recorder,
                                          DWORD flags) = 0; // slot 11
    // The "Name:", "Description:" and "Parameters:" lines.
    virtual HRESULT GetDescriptionText(DWORD reserved, ILineSink* sink, DWORD cookie) = 0; // slot 12

protected:
    ~IMsgIdMessageClassObject() = default;
};

struct IMessageFactory : IUnknown {
    // The factory takes its own reference.
    virtual HRESULT RegisterMessageClass(DWORD reserved,
                                         IMsgIdMessageClassObject* messageClass) = 0; // slot 3

protected:
    ~IMessageFactory() = default;
};
