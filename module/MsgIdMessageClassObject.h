#pragma once
// The class objects of the module's automation messages. Each knows its
// message's number in the module's space, its name, category, description and
// parameters, and writes a message, or the message with its parameters' default
// values, as script text through the host's recorder, or describes itself to a
// line sink (see core/MessageParamText.h). The objects are the module's own for
// its whole life: Release never deletes them.

#include <atomic>
#include <vector>

#include "core/LinkedList.h"
#include "core/String.h"
#include "platform/vantrel/MessageFactory.h"

namespace Ovo {

enum class ParamType { Long, UnsignedLong, Double, Bool, String };

// One parameter: its type and its description text, whose first word (up to the
// first blank) is its name in recorded scripts. Its default is 0, 0.0, false or
// the empty text.
struct Param {
    ParamType type;
    String description;
};

// The link of the list of message classes.
class LinkedClassObject {
public:
    virtual IMsgIdMessageClassObject* ClassObject() = 0;
    LinkedClassObject* next = nullptr;

protected:
    ~LinkedClassObject() = default;
};

using MessageClassList = LinkedList<LinkedClassObject>;

// The common part: the message's number, texts and the two template words.
class MsgIdMessageClassObjectRootImpl : public LinkedClassObject {
public:
    WORD Number() const { return mNumber; }
    // The TarvikMessageId of the message; 0 while the host gives no number to the space.
    DWORD Id() const;
    const String& Name() const { return mName; }
    const String& Category() const { return mCategory; }
    const String& Description() const { return mDescription; }
    const String& ScriptText() const { return mScriptText; }
    DWORD MessageFlags() const { return mMessageFlags; }

protected:
    MsgIdMessageClassObjectRootImpl(WORD number, String name, String category, String description,
                                    DWORD messageFlags, DWORD secondWord, String scriptText);
    ~MsgIdMessageClassObjectRootImpl() = default;

private:
    WORD mNumber;
    String mName;
    String mCategory;
    String mDescription;
    DWORD mMessageFlags;
    DWORD mSecondWord;
    String mScriptText;
};

struct MessageClassDef {
    WORD number;
    const char16_t* name;
    const char16_t* description;
    std::vector<Param> params;
    bool optionB = false;   // what GetBoolPropertyB answers
    DWORD defaultFlags = 0; // the flags of the class's data record
};

class MsgIdMessageClassObject : public IMsgIdMessageClassObject, public MsgIdMessageClassObjectRootImpl {
public:
    MsgIdMessageClassObject(const MessageClassDef& def, String category);
    MsgIdMessageClassObject(const MsgIdMessageClassObject&) = delete;
    MsgIdMessageClassObject& operator=(const MsgIdMessageClassObject&) = delete;
    virtual ~MsgIdMessageClassObject() = default;

    const std::vector<Param>& Params() const { return mParams; }
    DWORD DefaultFlags() const { return mDefaultFlags; }
    // The parameter text of the defaults: names cut at their first blank, or
    // (for a description) the whole parameter texts.
    String DefaultParamText(bool fullNames) const;
    // The parameter text of a message's data block; E_INVALIDARG when a text
    // value holds a group marker, which the text form cannot carry.
    HRESULT MessageParamText(IMessage* message, String& text) const;

    IMsgIdMessageClassObject* ClassObject() override { return this; }

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetMessageId(DWORD* id) override;
    HRESULT GetName(BSTR* text) override;
    HRESULT GetCategory(BSTR* text) override;
    HRESULT GetDescription(IAutoOvoString** text) override;
    HRESULT GetBoolPropertyA(VARIANT_BOOL* value) override;
    HRESULT GetBoolPropertyB(VARIANT_BOOL* value) override;
    // A message of the class from an automation call's arguments (DISPPARAMS, positional arguments
    // last first): N >= 1 parameters take exactly N positional arguments, a class without parameters
    // none or one naming the message's target (resolved by the host's message-id service); named
    // arguments are refused. Each argument is converted to its parameter's type under English
    // (United States). DISP_E_BADPARAMCOUNT, a conversion's failure or the message service's
    // failure (E_FAIL without one) leave *message null.
    HRESULT CreateMessage(DISPPARAMS* arguments, IMessage** message) override;
    HRESULT GetMessageText(DWORD reserved, IMessage* message, IScriptRecorder* recorder,
                           DWORD flags) override;
    HRESULT GetDefaultMessageText(DWORD reserved, IScriptRecorder* recorder, DWORD flags) override;
    HRESULT GetDescriptionText(DWORD reserved, ILineSink* sink, DWORD cookie) override;

private:
    std::vector<Param> mParams;
    bool mOptionB;
    DWORD mDefaultFlags;
    std::atomic<LONG> mRefs{0};
};

} // namespace Ovo
