#include "host/framework/ScriptRecorder.h"

#include "host/framework/Text.h"

namespace Vantrel {

namespace {

// A value as the macro language writes it.
std::u16string Literal(const std::u16string& value, DWORD type) {
    switch (type) {
    case kScriptString: {
        std::u16string quoted = u"\"";
        for (char16_t c : value)
            quoted += c == u'"' ? std::u16string(u"\"\"") : std::u16string(1, c);
        return quoted + u"\"";
    }
    case kScriptBool:
        return value == u"0" || value.empty() ? u"False" : u"True";
    default:
        return value;
    }
}

template <class T> HRESULT HandOut(T* object, T** out) {
    *out = object;
    return S_OK;
}

HRESULT PutString(const std::u16string& text, IAutoOvoString** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = MakeString(text);
    return S_OK;
}

class CallBuilder : public ComObject<ICallBuilder> {
public:
    void* find(REFIID iid) override {
        return iid == IID_ICallBuilder ? static_cast<ICallBuilder*>(this) : nullptr;
    }
    HRESULT SetTarget(IAutoOvoString* object, IAutoOvoString* name) override {
        mCall = u"Call " + ReadString(object) + u"." + ReadString(name);
        return S_OK;
    }
    HRESULT AddArgument(IAutoOvoString* name, IAutoOvoString* value, DWORD type) override {
        mArguments.push_back(ReadString(name) + u":=" + Literal(ReadString(value), type));
        return S_OK;
    }
    HRESULT GetText(IAutoOvoString** statement) override {
        std::u16string text = mCall;
        for (std::size_t i = 0; i < mArguments.size(); ++i)
            text += (i == 0 ? u"(" : u", ") + mArguments[i];
        if (!mArguments.empty())
            text += u")";
        return PutString(text + u"\n", statement);
    }

private:
    std::u16string mCall;
    std::vector<std::u16string> mArguments;
};

class ArrayBuilder : public ComObject<IArrayBuilder> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IArrayBuilder ? static_cast<IArrayBuilder*>(this) : nullptr;
    }
    HRESULT SetName(IAutoOvoString* name) override {
        mName = ReadString(name);
        return S_OK;
    }
    HRESULT AddItem(IAutoOvoString* item) override {
        mItems.push_back(ReadString(item));
        return S_OK;
    }
    HRESULT GetDeclaration(IAutoOvoString** statements) override {
        std::u16string text = u"Dim " + Variable() + u" = Array(";
        for (std::size_t i = 0; i < mItems.size(); ++i)
            text += (i == 0 ? u"" : u",") + mItems[i];
        return PutString(text + u")\n", statements);
    }
    HRESULT GetReference(IAutoOvoString** variable) override { return PutString(Variable(), variable); }

private:
    std::u16string Variable() const { return mName.substr(0, mName.find(u' ')); }

    std::u16string mName;
    std::vector<std::u16string> mItems;
};

class AssignmentBuilder : public ComObject<IAssignmentBuilder> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IAssignmentBuilder ? static_cast<IAssignmentBuilder*>(this) : nullptr;
    }
    HRESULT SetName(DWORD, IAutoOvoString* variable) override {
        mVariable = ReadString(variable);
        return S_OK;
    }
    HRESULT SetValue(DWORD, IAutoOvoString* value, DWORD type) override {
        mValue = Literal(ReadString(value), type);
        return S_OK;
    }
    HRESULT GetText(DWORD, IAutoOvoString** statement) override {
        return PutString(mVariable + u" = " + mValue + u"\n", statement);
    }

private:
    std::u16string mVariable;
    std::u16string mValue;
};

} // namespace

std::u16string ScriptRecorder::Script() const {
    std::u16string script;
    for (const auto& written : mWritten)
        script += written.text;
    return script;
}

HRESULT ScriptRecorder::WriteText(const WCHAR* text, DWORD flags) {
    mWritten.push_back({text == nullptr ? u"" : text, flags});
    return S_OK;
}

HRESULT ScriptRecorder::NewCall(DWORD, ICallBuilder** builder) {
    if (builder == nullptr)
        return E_POINTER;
    *builder = nullptr;
    return mFailSlot == 20 ? E_FAIL : HandOut<ICallBuilder>(new CallBuilder, builder);
}

HRESULT ScriptRecorder::NewArray(DWORD, IArrayBuilder** builder) {
    if (builder == nullptr)
        return E_POINTER;
    *builder = nullptr;
    return mFailSlot == 21 ? E_FAIL : HandOut<IArrayBuilder>(new ArrayBuilder, builder);
}

HRESULT ScriptRecorder::NewAssignment(DWORD, IAssignmentBuilder** builder) {
    if (builder == nullptr)
        return E_POINTER;
    *builder = nullptr;
    return mFailSlot == 22 ? E_FAIL : HandOut<IAssignmentBuilder>(new AssignmentBuilder, builder);
}

HRESULT ScriptRecorder::GetObjectName(DWORD, IAutoOvoString** name) {
    if (name == nullptr)
        return E_POINTER;
    *name = nullptr;
    return mFailSlot == 23 ? E_FAIL : PutString(mObjectName, name);
}

HRESULT LineSink::AddLine(const WCHAR* line, DWORD cookie) {
    mLines.push_back({line == nullptr ? u"" : line, cookie});
    return S_OK;
}

} // namespace Vantrel
