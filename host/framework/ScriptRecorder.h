#pragma once
// The script recorder: turns the module's call, array and assignment requests
// into statements of a small Basic-like macro language, and keeps everything
// written to it. The line sink keeps the description lines it is given.
//
//   Call Doc.Name(param:="text", other:=1.5)   a call ("Call Doc.Name" without arguments)
//   x = 1.5                                    an assignment
//   Dim area = Array(1, 2, 3, 4)               an array (passed as area)

#include <string>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/vantrel/ScriptRecorder.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

struct RecordedText {
    std::u16string text;
    DWORD flags = 0;
};

class ScriptRecorder : public ComObject<IScriptRecorder> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IScriptRecorder ? static_cast<IScriptRecorder*>(this) : nullptr;
    }
    explicit ScriptRecorder(std::u16string objectName = u"Doc") : mObjectName(std::move(objectName)) {}

    const std::vector<RecordedText>& Written() const { return mWritten; }
    // Everything written, joined.
    std::u16string Script() const;
    // A failing request of the given slot (20 to 23) answers E_FAIL.
    void FailSlot(int slot) { mFailSlot = slot; }

    HRESULT WriteText(const WCHAR* text, DWORD flags) override;
    HRESULT NewCall(DWORD reserved, ICallBuilder** builder) override;
    HRESULT NewArray(DWORD reserved, IArrayBuilder** builder) override;
    HRESULT NewAssignment(DWORD reserved, IAssignmentBuilder** builder) override;
    HRESULT GetObjectName(DWORD reserved, IAutoOvoString** name) override;

private:
    std::u16string mObjectName;
    std::vector<RecordedText> mWritten;
    int mFailSlot = 0;
};

struct SinkLine {
    std::u16string text;
    DWORD cookie = 0;
};

class LineSink : public ComObject<ILineSink> {
public:
    void* find(REFIID iid) override { return iid == IID_ILineSink ? static_cast<ILineSink*>(this) : nullptr; }
    const std::vector<SinkLine>& Lines() const { return mLines; }

    HRESULT AddLine(const WCHAR* line, DWORD cookie) override;

private:
    std::vector<SinkLine> mLines;
};

} // namespace Vantrel
