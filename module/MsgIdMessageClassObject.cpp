#include "module/MsgIdMessageClassObject.h"

#include <cstring>
#include <locale>
#include <sstream>
#include <string>

#include "core/CComObjectRoot.h"
#include "core/MessageParamText.h"
#include "module/MessageIds.h"

namespace Ovo {

namespace {

using Text = std::u16string;

const char16_t* TypeName(ParamType type) {
    switch (type) {
    case ParamType::Long:
        return u"LONG";
    case ParamType::UnsignedLong:
        return u"unsigned long";
    case ParamType::Double:
        return u"double";
    case ParamType::Bool:
        return u"bool";
    case ParamType::String:
        return u"String";
    }
    return u"";
}

// A double as the classic locale writes it by default (six significant digits).
Text DoubleText(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    const std::string narrow = out.str();
    return Text(narrow.begin(), narrow.end());
}

Text IntegerText(long long value) {
    const std::string narrow = std::to_string(value);
    return Text(narrow.begin(), narrow.end());
}

Text ParamName(const Param& param, bool fullName) {
    Text name = param.description.ToU16String();
    return fullName ? name : name.substr(0, name.find(u' '));
}

Text Escaped(Text value) {
    for (std::size_t at = value.find(u','); at != Text::npos; at = value.find(u',', at + 2))
        value.replace(at, 1, u";;");
    return value;
}

void AppendEntry(Text& text, const Param& param, bool fullName, const Text& value) {
    if (!text.empty())
        text += u",";
    text += TypeName(param.type) + Text(u",") + ParamName(param, fullName) + u"," + Escaped(value);
}

template <class T> T ReadValue(const std::uint8_t*& at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    at += sizeof value;
    return value;
}

Text ValueText(ParamType type, const std::uint8_t*& at) {
    switch (type) {
    case ParamType::Long:
        return IntegerText(ReadValue<std::int32_t>(at));
    case ParamType::UnsignedLong:
        return IntegerText(ReadValue<std::uint32_t>(at));
    case ParamType::Bool:
        return ReadValue<std::uint32_t>(at) != 0 ? u"1" : u"0";
    case ParamType::Double:
        return DoubleText(ReadValue<double>(at));
    case ParamType::String:
        return String(ReadValue<IAutoOvoString*>(at)).ToU16String();
    }
    return {};
}

} // namespace

MsgIdMessageClassObjectRootImpl::MsgIdMessageClassObjectRootImpl(WORD number, String name, String category,
                                                                 String description, DWORD messageFlags,
                                                                 DWORD secondWord, String scriptText)
    : mNumber(number), mName(std::move(name)), mCategory(std::move(category)),
      mDescription(std::move(description)), mMessageFlags(messageFlags), mSecondWord(secondWord),
      mScriptText(std::move(scriptText)) {}

DWORD MsgIdMessageClassObjectRootImpl::Id() const {
    WORD space = Tarvik::MessageSpace(Tarvik::TarvikDocumentGUID);
    return space == 0 ? 0 : Tarvik::MakeMessageId(space, mNumber);
}

MsgIdMessageClassObject::MsgIdMessageClassObject(const MessageClassDef& def, String category)
    : MsgIdMessageClassObjectRootImpl(def.number, String(def.name), std::move(category),
                                      String(def.description), 0, 0, String()),
      mParams(def.params), mOptionB(def.optionB), mDefaultFlags(def.defaultFlags) {}

String MsgIdMessageClassObject::DefaultParamText(bool fullNames) const {
    Text text;
    for (const Param& param : mParams)
        AppendEntry(text, param, fullNames, param.type == ParamType::String ? Text() : Text(u"0"));
    return String(text);
}

HRESULT MsgIdMessageClassObject::MessageParamText(IMessage* message, String& result) const {
    Text text;
    if (!mParams.empty()) {
        const void* data = nullptr;
        if (message == nullptr || FAILED(message->GetData(&data)) || data == nullptr)
            return E_FAIL;
        const auto* at = static_cast<const std::uint8_t*>(data) + sizeof(DWORD);
        for (const Param& param : mParams) {
            Text value = ValueText(param.type, at);
            if (value.find(u"{{") != Text::npos || value.find(u"}}") != Text::npos)
                return E_INVALIDARG;
            AppendEntry(text, param, false, value);
        }
    }
    result = String(text);
    return S_OK;
}

HRESULT MsgIdMessageClassObject::QueryInterface(REFIID iid, void** out) {
    return QueryInterfaceMap({{IID_IMsgIdMessageClassObject, static_cast<IMsgIdMessageClassObject*>(this)}},
                             iid, out);
}

ULONG MsgIdMessageClassObject::AddRef() {
    return static_cast<ULONG>(mRefs.fetch_add(1) + 1);
}

ULONG MsgIdMessageClassObject::Release() {
    return static_cast<ULONG>(mRefs.fetch_sub(1) - 1);
}

HRESULT MsgIdMessageClassObject::GetMessageId(DWORD* id) {
    if (id == nullptr)
        return E_POINTER;
    *id = Id();
    return S_OK;
}

HRESULT MsgIdMessageClassObject::GetName(BSTR* text) {
    return Name().PutBSTR(text);
}

HRESULT MsgIdMessageClassObject::GetCategory(BSTR* text) {
    return Category().PutBSTR(text);
}

HRESULT MsgIdMessageClassObject::GetDescription(IAutoOvoString** text) {
    if (text == nullptr)
        return E_POINTER;
    *text = Description().GetInterface();
    return S_OK;
}

HRESULT MsgIdMessageClassObject::GetBoolPropertyA(VARIANT_BOOL* value) {
    if (value == nullptr)
        return E_POINTER;
    *value = VARIANT_TRUE;
    return S_OK;
}

HRESULT MsgIdMessageClassObject::GetBoolPropertyB(VARIANT_BOOL* value) {
    if (value == nullptr)
        return E_POINTER;
    *value = mOptionB ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT MsgIdMessageClassObject::CreateMessage(DISPPARAMS*, IMessage** message) {
    if (message != nullptr)
        *message = nullptr;
    return E_NOTIMPL;
}

HRESULT MsgIdMessageClassObject::GetMessageText(DWORD, IMessage* message, IScriptRecorder* recorder,
                                                DWORD flags) {
    if (recorder == nullptr)
        return E_FAIL;
    String text;
    HRESULT hr = MessageParamText(message, text);
    return FAILED(hr) ? hr : RecordMessage(Name(), text, recorder, flags);
}

HRESULT MsgIdMessageClassObject::GetDefaultMessageText(DWORD, IScriptRecorder* recorder, DWORD flags) {
    if (recorder == nullptr)
        return E_FAIL;
    if (!ScriptText().IsEmpty())
        return recorder->WriteText(ScriptText().c_str(), flags);
    return RecordMessage(Name(), DefaultParamText(false), recorder, flags);
}

HRESULT MsgIdMessageClassObject::GetDescriptionText(DWORD, ILineSink* sink, DWORD cookie) {
    if (sink == nullptr)
        return E_FAIL;
    return DescriptionText(Name(), Description(), DefaultParamText(true), sink, cookie);
}

} // namespace Ovo
