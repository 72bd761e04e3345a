#include "host/framework/Automation.h"

#include <cstdio>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "host/framework/Text.h"

namespace Vantrel {

Argument Argument::Number(double value) {
    Argument a;
    a.mValue.vt = VT_R8;
    a.mValue.dblVal = value;
    return a;
}

Argument Argument::Long(LONG value) {
    Argument a;
    a.mValue.vt = VT_I4;
    a.mValue.lVal = value;
    return a;
}

Argument Argument::Bool(bool value) {
    Argument a;
    a.mValue.vt = VT_BOOL;
    a.mValue.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return a;
}

Argument Argument::Text(std::u16string_view text) {
    Argument a;
    a.mValue.vt = VT_BSTR;
    a.mValue.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return a;
}

Argument::Argument(const Argument& other) {
    VariantInit(&mValue);
    VariantCopy(&mValue, &other.mValue);
}

Argument& Argument::operator=(const Argument& other) {
    VariantCopy(&mValue, &other.mValue);
    return *this;
}

Automation::Automation(Framework& framework, IMessageHandler& document, ScriptRecorder* recorder)
    : mFramework(framework), mDocument(document), mRecorder(recorder) {}

IMsgIdMessageClassObject* Automation::Find(std::u16string_view name) const {
    for (const RegisteredMessageClass& registered : mFramework.MessageClasses().Classes()) {
        BSTR own = nullptr;
        if (FAILED(registered.messageClass->GetName(&own)))
            continue;
        const bool same = std::u16string_view(own, SysStringLen(own)) == name;
        SysFreeString(own);
        if (same)
            return registered.messageClass;
    }
    return nullptr;
}

AutomationResult Automation::Call(std::u16string_view name, std::span<const Argument> arguments,
                                  std::span<const Argument> named) {
    IMsgIdMessageClassObject* messageClass = Find(name);
    if (messageClass == nullptr)
        return {DISP_E_MEMBERNOTFOUND, S_FALSE};
    // Named arguments first, then the positional ones last first.
    std::vector<VARIANT> values;
    for (const Argument& a : named)
        values.push_back(a.Value());
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it)
        values.push_back(it->Value());
    std::vector<DISPID> names(named.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = static_cast<DISPID>(i);
    DISPPARAMS call{values.data(), names.data(), static_cast<UINT>(values.size()),
                    static_cast<UINT>(named.size())};
    ComPtr<IMessage> message;
    AutomationResult result;
    result.creation = messageClass->CreateMessage(&call, message.Put());
    if (FAILED(result.creation) || !message)
        return result;
    if (mRecorder != nullptr)
        messageClass->GetMessageText(0, message.Get(), mRecorder, 0);
    result.delivery = mFramework.Dispatcher().Dispatch(message.Get(), &mDocument);
    return result;
}

namespace {

std::string CodeText(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
    return text;
}

[[noreturn]] void Refuse(std::size_t line, const std::string& what) {
    throw std::runtime_error("macro line " + std::to_string(line) + ": " + what);
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t' || text.front() == u'\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t' || text.back() == u'\r'))
        text.remove_suffix(1);
    return text;
}

// One value: "text" (with "" for a quote), True, False or a number in the classic form.
Argument ReadValue(std::u16string_view text, std::size_t line) {
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') {
        std::u16string value;
        for (std::size_t i = 1; i + 1 < text.size(); ++i) {
            value += text[i];
            if (text[i] == u'"')
                ++i; // "" stands for one quote
        }
        return Argument::Text(value);
    }
    if (text == u"True" || text == u"False")
        return Argument::Bool(text == u"True");
    std::istringstream in(Utf16ToUtf8(text));
    in.imbue(std::locale::classic());
    double number = 0.0;
    if (!(in >> number) || !in.eof())
        Refuse(line, "not a value: " + Utf16ToUtf8(text));
    return Argument::Number(number);
}

// The arguments between the parentheses: name:=value pairs separated by commas outside quotes.
std::vector<Argument> ReadArguments(std::u16string_view list, std::size_t line) {
    std::vector<Argument> arguments;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        if (i < list.size() && list[i] == u'"')
            quoted = !quoted;
        if (i < list.size() && (quoted || list[i] != u','))
            continue;
        const std::u16string_view item = list.substr(start, i - start);
        const std::size_t assign = item.find(u":=");
        if (assign == std::u16string_view::npos)
            Refuse(line, "an argument without its name: " + Utf16ToUtf8(item));
        arguments.push_back(ReadValue(item.substr(assign + 2), line));
        start = i + 1;
    }
    return arguments;
}

} // namespace

void RunMacro(std::u16string_view macro, Automation& automation) {
    std::size_t line = 0;
    while (!macro.empty()) {
        ++line;
        const std::size_t end = macro.find(u'\n');
        const std::u16string_view statement = Trimmed(macro.substr(0, end));
        macro = end == std::u16string_view::npos ? std::u16string_view() : macro.substr(end + 1);
        if (statement.empty() || statement.front() == u'\'')
            continue;
        constexpr std::u16string_view kCall = u"Call ";
        if (statement.substr(0, kCall.size()) != kCall)
            Refuse(line, "only calls can be replayed: " + Utf16ToUtf8(statement));
        std::u16string_view target = statement.substr(kCall.size());
        std::vector<Argument> arguments;
        if (const std::size_t open = target.find(u'('); open != std::u16string_view::npos) {
            if (target.back() != u')')
                Refuse(line, "a call without its closing parenthesis");
            arguments = ReadArguments(target.substr(open + 1, target.size() - open - 2), line);
            target = target.substr(0, open);
        }
        const std::size_t dot = target.find(u'.');
        const std::u16string_view name =
            Trimmed(dot == std::u16string_view::npos ? target : target.substr(dot + 1));
        const AutomationResult result = automation.Call(name, arguments);
        if (FAILED(result.creation))
            Refuse(line, Utf16ToUtf8(name) + " refused its arguments (" + CodeText(result.creation) + ")");
        if (result.delivery != S_OK)
            Refuse(line, "the document did not handle " + Utf16ToUtf8(name));
    }
}

} // namespace Vantrel
