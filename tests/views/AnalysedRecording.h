#pragma once
// The bundled occlusion sample open in the stand-in host with the module's document in it, set up
// with the stored settings and analysed, and a frame in which a test opens one module view on it.
// The host's document and view headers stay in the fixture's own source.

#include <memory>

#include "document/TarvikDocument.h"
#include "tests/support/ModuleHost.h"

namespace TarvikTest {

// Opens views in a frame of the host (its own source: the host's view headers and its document
// headers do not go together).
class ViewFrame {
public:
    explicit ViewFrame(Vantrel::Framework& framework);
    ~ViewFrame();
    HWND Open(IUnknown* viewClass, IUnknown* document, DWORD kind);
    void Close();

private:
    struct Parts;
    std::unique_ptr<Parts> mParts;
};

class AnalysedRecording : public ModuleHost {
public:
    AnalysedRecording();
    ~AnalysedRecording() override;

protected:
    void SetUp() override;
    void TearDown() override;

    Tarvik::TarvikDocument& Document();
    // The host's document of the recording, as the views are given it.
    IUnknown* HostDocument();
    // The view's window; null when the view cannot be opened.
    HWND OpenView(IUnknown* viewClass, DWORD kind);
    void CloseView();

private:
    struct Parts;
    std::unique_ptr<Parts> mParts;
};

} // namespace TarvikTest
