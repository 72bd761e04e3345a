#include "module/MsgIdMessageClassObject.h"

#include <cstring>
#include <locale>
#include <sstream>
#include <string>

#include "core/CComObjectRoot.h"
#include "core/MessageParamText.h"
#include "module/HostServices.h"
#include "module/MessageIds.h"
#include "platform/win32/variant.h"

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

// A message that records its target (flag 0x40) and has one: the entry "ZARId,ViewType," and the
// target's text in double quotes.
void AppendTarget(Text& text, IMessage* message) {
    DWORD flags = 0, target = 0;
    if (message == nullptr || FAILED(message->GetFlags(&flags)) || (flags & kMessageRecordsTarget) == 0)
        return;
    IMessageTarget* targeted = nullptr;
    if (FAILED(message->QueryInterface(IID_IMessageTarget, reinterpret_cast<void**>(&targeted))) ||
        targeted == nullptr)
        return;
    const HRESULT hr = targeted->GetTargetId(&target);
    targeted->Release();
    IMessageIdService* ids = Tarvik::GetMessageIdService();
    BSTR name = nullptr;
    if (hr != S_OK || ids == nullptr || FAILED(ids->IdToText(target, &name)))
        return;
    if (!text.empty())
        text += u",";
    text += u"ZARId,ViewType,\"" + Text(name, SysStringLen(name)) + u"\"";
    SysFreeString(name);
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
    AppendTarget(text, message);
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

namespace {

// A parameter block being built: the type code word, then the values. Each text value holds a
// reference until the host's message service has taken its own.
class BlockBuilder {
public:
    BlockBuilder() { Append(DWORD{0}); }
    ~BlockBuilder() {
        for (IAutoOvoString* text : mTexts)
            text->Release();
    }
    BlockBuilder(const BlockBuilder&) = delete;
    BlockBuilder& operator=(const BlockBuilder&) = delete;

    template <class T> void Append(const T& value) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
        mBytes.insert(mBytes.end(), bytes, bytes + sizeof value);
    }
    void AppendText(const String& text) {
        IAutoOvoString* value = text.GetInterface();
        mTexts.push_back(value);
        Append(value);
    }
    void SetTypeCode(DWORD code) { std::memcpy(mBytes.data(), &code, sizeof code); }
    const void* Data() const { return mBytes.data(); }

private:
    std::vector<std::uint8_t> mBytes;
    std::vector<IAutoOvoString*> mTexts;
};

constexpr VARTYPE VariantTypeOf(ParamType type) {
    switch (type) {
    case ParamType::Long:
        return VT_I4;
    case ParamType::UnsignedLong:
        return VT_UI4;
    case ParamType::Double:
        return VT_R8;
    case ParamType::Bool:
        return VT_BOOL;
    case ParamType::String:
        return VT_BSTR;
    }
    return VT_EMPTY;
}

DWORD TypeCodeOf(ParamType type) {
    switch (type) {
    case ParamType::Long:
        return kParamLong;
    case ParamType::Double:
        return kParamDouble;
    case ParamType::String:
        return kParamString;
    case ParamType::UnsignedLong:
    case ParamType::Bool:
        return kParamUnsigned;
    }
    return 0;
}

// The argument as its parameter's type: taken as it is when it has that type, else converted under
// English (United States); the conversion's failure otherwise.
HRESULT ConvertArgument(const VARIANT& argument, ParamType type, VARIANT& value) {
    VariantInit(&value);
    const VARTYPE wanted = VariantTypeOf(type);
    if (argument.vt == wanted)
        return VariantCopy(&value, &argument);
    return VariantChangeTypeEx(&value, &argument, kLocaleEnglishUS, 0, wanted);
}

void AppendValue(BlockBuilder& block, const VARIANT& value, ParamType type) {
    switch (type) {
    case ParamType::Long:
        block.Append(static_cast<std::int32_t>(value.lVal));
        break;
    case ParamType::UnsignedLong:
        block.Append(static_cast<std::uint32_t>(value.ulVal));
        break;
    case ParamType::Bool:
        block.Append(static_cast<std::uint32_t>(value.boolVal != 0 ? 1 : 0));
        break;
    case ParamType::Double:
        block.Append(value.dblVal);
        break;
    case ParamType::String:
        block.AppendText(String(std::u16string(value.bstrVal, SysStringLen(value.bstrVal))));
        break;
    }
}

// The target a command without parameters was called with: its text (a BSTR as it is, else converted
// under English (United States)) resolved by the host's message-id service.
HRESULT ResolveTarget(const VARIANT& argument, DWORD& targetId) {
    VARIANT copy;
    VariantInit(&copy);
    HRESULT hr = VariantCopy(&copy, &argument);
    if (SUCCEEDED(hr) && copy.vt != VT_BSTR)
        hr = VariantChangeTypeEx(&copy, &copy, kLocaleEnglishUS, 0, VT_BSTR);
    if (SUCCEEDED(hr)) {
        IMessageIdService* ids = Tarvik::GetMessageIdService();
        const std::u16string text(copy.bstrVal, SysStringLen(copy.bstrVal));
        hr = ids != nullptr ? ids->TextToId(text.c_str(), &targetId) : E_FAIL;
    }
    VariantClear(&copy);
    return hr;
}

} // namespace

HRESULT MsgIdMessageClassObject::CreateMessage(DISPPARAMS* arguments, IMessage** message) {
    if (message == nullptr)
        return E_POINTER;
    *message = nullptr;
    const UINT wanted = static_cast<UINT>(mParams.size());
    if (arguments == nullptr || arguments->cNamedArgs != 0 || (wanted > 0 && arguments->cArgs != wanted) ||
        (wanted == 0 && arguments->cArgs > 1))
        return DISP_E_BADPARAMCOUNT;
    BlockBuilder block;
    DWORD typeCode = 0;
    for (UINT i = 0; i < wanted; ++i) {
        const VARIANT& argument = arguments->rgvarg[arguments->cArgs - 1 - i]; // stored last first
        VARIANT value;
        if (const HRESULT hr = ConvertArgument(argument, mParams[i].type, value); FAILED(hr))
            return hr;
        AppendValue(block, value, mParams[i].type);
        VariantClear(&value);
        typeCode |= TypeCodeOf(mParams[i].type) << (4 * i);
    }
    block.SetTypeCode(typeCode);
    DWORD targetId = 0;
    const bool hasTarget = wanted == 0 && arguments->cArgs == 1;
    if (hasTarget)
        if (const HRESULT hr = ResolveTarget(arguments->rgvarg[0], targetId); FAILED(hr))
            return hr;
    IHostMessageService* service = Tarvik::GetHostMessageService();
    if (service == nullptr)
        return E_FAIL;
    const HRESULT hr = service->CreateMessage(Id(), MessageFlags() | mDefaultFlags, targetId,
                                              hasTarget ? 1 : 0, nullptr, block.Data(), message);
    if (FAILED(hr) && *message != nullptr) {
        (*message)->Release();
        *message = nullptr;
    }
    return FAILED(hr) ? hr : S_OK;
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
