#include "core/MessageParamText.h"

#include <string>
#include <string_view>

#include "platform/win32/com_ptr.h"

namespace Ovo {

namespace {

using Text = std::u16string;
constexpr std::size_t kEnd = Text::npos;

const Text kOpen = u"{{";
const Text kClose = u"}}";

// A text handed to the host as a string interface for the length of one call.
class StringArg {
public:
    explicit StringArg(const Text& text)
        : mText(ComPtr<IAutoOvoString>::Adopt(String(text).GetInterface())) {}
    operator IAutoOvoString*() const { return mText.Get(); }

private:
    ComPtr<IAutoOvoString> mText;
};

Text U16(const String& s) {
    return s.ToU16String();
}

// Every occurrence of pattern, from left to right, replaced; in one pass.
Text ReplaceAll(const Text& text, const Text& pattern, const Text& replacement) {
    if (pattern.empty())
        return text;
    Text result;
    std::size_t from = 0;
    for (std::size_t at = text.find(pattern); at != kEnd; at = text.find(pattern, from)) {
        result.append(text, from, at - from);
        result += replacement;
        from = at + pattern.size();
    }
    result.append(text, from);
    return result;
}

Text Lower(Text text) {
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return text;
}

// The groups of a text, found from its start: an open marker, then the first close marker after
// it; the next group opens after that close marker, so groups neither nest nor overlap. Positions
// are asked about in increasing order and each question goes on where the last one stopped, so a
// whole split reads the text once.
class GroupScanner {
public:
    GroupScanner(const Text& text, const Text& open, const Text& close)
        : mText(text), mOpen(open), mClose(close) {
        if (!mOpen.empty())
            Advance(0);
    }

    // Whether position (kEnd: the end of the text) lies inside a group.
    bool Inside(std::size_t position) {
        if (mOpen.empty())
            return false;
        for (;;) {
            if (mOpened == kEnd || mOpened >= position)
                return false;
            if (mClosed == kEnd || mClosed >= position)
                return true;
            Advance(mClosed + mClose.size());
        }
    }

private:
    void Advance(std::size_t from) {
        mOpened = mText.find(mOpen, from);
        mClosed = mOpened == kEnd ? kEnd : mText.find(mClose, mOpened + mOpen.size());
    }

    const Text& mText;
    const Text& mOpen;
    const Text& mClose;
    std::size_t mOpened = kEnd;
    std::size_t mClosed = kEnd;
};

std::vector<Text> Split(const Text& text, const Text& open, const Text& close) {
    std::vector<Text> elements;
    if (text.empty())
        return elements;
    GroupScanner groups(text, open, close);
    Text group;
    bool pending = false;
    for (std::size_t at = 0;;) {
        const std::size_t comma = text.find(u',', at);
        const std::u16string_view piece =
            std::u16string_view(text).substr(at, comma == kEnd ? kEnd : comma - at);
        if (groups.Inside(comma)) {
            if (pending) {
                group += u", ";
                group += piece;
            } else {
                group = piece.substr(std::min(open.size(), piece.size()));
            }
            pending = true;
        } else if (pending) {
            if (piece.find(close) != kEnd)
                group += u", ";
            group += piece.substr(0, piece.size() - std::min(close.size(), piece.size()));
            elements.push_back(std::move(group));
            group.clear();
            pending = false;
        } else {
            elements.emplace_back(piece);
        }
        if (comma == kEnd)
            return elements;
        at = comma + 1;
    }
}

// The host string an out-parameter handed back, as text.
class StringOut {
public:
    operator IAutoOvoString**() { return mText.Put(); }
    Text Take() {
        String s;
        s.AssignAndRelease(mText.Detach());
        return U16(s);
    }

private:
    ComPtr<IAutoOvoString> mText;
};

// The object expression of the recorder; empty when it has none.
HRESULT ObjectName(IScriptRecorder* recorder, Text& name) {
    StringOut out;
    HRESULT hr = recorder->GetObjectName(0, out);
    name = out.Take();
    return hr;
}

// The message's name and the recorder's object expression; a failure when
// either is empty.
HRESULT Target(IScriptRecorder* recorder, const String& messageName, Text& name, Text& object) {
    if (recorder == nullptr)
        return E_POINTER;
    name = U16(messageName);
    HRESULT hr = ObjectName(recorder, object);
    return name.empty() || object.empty() ? (FAILED(hr) ? hr : E_FAIL) : S_OK;
}

// A call builder aimed at the object's message.
HRESULT NewCall(IScriptRecorder* recorder, const Text& object, const Text& name, ComPtr<ICallBuilder>& call) {
    HRESULT hr = recorder->NewCall(0, call.Put());
    if (!call)
        return FAILED(hr) ? hr : E_FAIL;
    call->SetTarget(StringArg(object), StringArg(name));
    return S_OK;
}

HRESULT Write(IScriptRecorder* recorder, const Text& text, DWORD flags) {
    return recorder->WriteText(text.c_str(), flags);
}

struct Param {
    Text type;
    int code;
    Text name;
    Text value;
};

// The parameters of whole triples; false when the text is not whole triples.
bool Params(const Text& paramText, std::vector<Param>& params) {
    std::vector<Text> elements = Split(paramText, kOpen, kClose);
    if (elements.size() % 3 != 0)
        return false;
    for (std::size_t i = 0; i < elements.size(); i += 3) {
        Text type = Lower(elements[i]);
        params.push_back({type, ParamTypeCode(String(type)), ReplaceAll(elements[i + 1], u";", u","),
                          ReplaceAll(elements[i + 2], u";;", u",")});
    }
    return true;
}

} // namespace

std::vector<String> SplitParamText(const String& text, const String& open, const String& close) {
    const std::vector<Text> elements = Split(U16(text), U16(open), U16(close));
    std::vector<String> result;
    result.reserve(elements.size());
    for (const Text& element : elements)
        result.emplace_back(element);
    return result;
}

bool IsInsideGroup(const String& text, int position, const String& open, const String& close) {
    const Text all = U16(text), openMarker = U16(open), closeMarker = U16(close);
    return GroupScanner(all, openMarker, closeMarker)
        .Inside(position < 0 ? kEnd : static_cast<std::size_t>(position));
}

int ParamTypeCode(const String& lowerTypeName) {
    const Text name = U16(lowerTypeName);
    if (name == u"string")
        return static_cast<int>(kScriptString);
    if (name == u"safearray")
        return static_cast<int>(kScriptArray);
    if (name == u"rect")
        return static_cast<int>(kScriptRect);
    if (name == u"bool")
        return static_cast<int>(kScriptBool);
    return static_cast<int>(kScriptNumber);
}

HRESULT RecordMessage(const String& messageName, const String& paramText, IScriptRecorder* recorder,
                      DWORD flags) {
    Text name, object;
    ComPtr<ICallBuilder> call;
    HRESULT hr = Target(recorder, messageName, name, object);
    if (FAILED(hr) || FAILED(hr = NewCall(recorder, object, name, call)))
        return hr;
    std::vector<Param> params;
    if (!Params(U16(paramText), params))
        return E_INVALIDARG;
    for (const Param& param : params) {
        if (param.code == static_cast<int>(kScriptArray) || param.code == static_cast<int>(kScriptRect))
            return RecordMessageBlock(messageName, paramText, recorder, flags);
        call->AddArgument(StringArg(param.name), StringArg(param.value), static_cast<DWORD>(param.code));
    }
    StringOut statement;
    call->GetText(statement);
    return Write(recorder, statement.Take(), flags);
}

HRESULT RecordArrayArgument(IScriptRecorder* recorder, const String& name, String& value, DWORD flags) {
    ComPtr<IArrayBuilder> array;
    HRESULT hr = recorder->NewArray(0, array.Put());
    if (!array)
        return FAILED(hr) ? hr : E_FAIL;
    array->SetName(StringArg(U16(name)));
    for (Text item : Split(U16(value), Text(), Text())) {
        if (item == u"{{}}")
            item = u"0";
        hr = array->AddItem(StringArg(item));
    }
    StringOut declaration;
    array->GetDeclaration(declaration);
    Write(recorder, declaration.Take(), flags);
    StringOut reference;
    array->GetReference(reference);
    value = String(reference.Take());
    return hr;
}

// One parameter of the block form: an assignment of a scalar, or an array.
static void RecordBlockParam(IScriptRecorder* recorder, ICallBuilder* call, const Param& param, DWORD flags) {
    const auto code = static_cast<DWORD>(param.code);
    if (code == kScriptArray || code == kScriptRect) {
        String value(ReplaceAll(ReplaceAll(param.value, kOpen, Text()), kClose, Text()));
        RecordArrayArgument(recorder, String(param.name), value, flags);
        call->AddArgument(StringArg(param.name), StringArg(U16(value)), code);
        return;
    }
    const Text variable = param.name.substr(0, param.name.find(u' '));
    ComPtr<IAssignmentBuilder> assignment;
    recorder->NewAssignment(0, assignment.Put());
    if (!assignment)
        return;
    assignment->SetName(0, StringArg(variable));
    assignment->SetValue(0, StringArg(param.value), code);
    StringOut statement;
    assignment->GetText(0, statement);
    Write(recorder, statement.Take(), flags);
    call->AddArgument(StringArg(param.name), StringArg(variable), kScriptVariable);
}

HRESULT RecordMessageBlock(const String& messageName, const String& paramText, IScriptRecorder* recorder,
                           DWORD flags) {
    Text name, object;
    HRESULT hr = Target(recorder, messageName, name, object);
    if (FAILED(hr))
        return hr;
    const bool comments = (flags & kRecordNoComments) == 0;
    if (comments)
        Write(recorder, u"' Begin " + name + u"\n", flags | kRecordCommentLine);
    ComPtr<ICallBuilder> call;
    if (FAILED(hr = NewCall(recorder, object, name, call)))
        return hr;
    std::vector<Param> params;
    if (Params(U16(paramText), params))
        for (const Param& param : params)
            RecordBlockParam(recorder, call.Get(), param, flags);
    StringOut statement;
    call->GetText(statement);
    hr = Write(recorder, statement.Take(), flags);
    if (comments)
        hr = Write(recorder, u"' End " + name + u"\n\n", flags);
    return hr;
}

HRESULT DescriptionText(const String& messageName, const String& description, const String& paramText,
                        ILineSink* sink, DWORD cookie) {
    if (messageName.IsEmpty() || sink == nullptr)
        return S_FALSE;
    HRESULT hr = sink->AddLine((u"Name:        " + U16(messageName)).c_str(), cookie);
    if (!description.IsEmpty())
        hr = sink->AddLine((u"Description: " + U16(description)).c_str(), cookie);
    std::vector<Param> params;
    if (paramText.IsEmpty() || !Params(U16(paramText), params))
        return hr;
    for (std::size_t i = 0; i < params.size(); ++i) {
        Text line = (i == 0 ? u"Parameters:  " : Text(13, u' ')) + params[i].name;
        if (i + 1 < params.size())
            line += u",";
        hr = sink->AddLine(line.c_str(), cookie);
    }
    return hr;
}

} // namespace Ovo
