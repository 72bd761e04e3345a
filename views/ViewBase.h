#pragma once
// The base of every module window that the host shows as a document view: a
// window of the framework whose command table answers the host's commands for
// the view. It paints and hit-tests a size grip in its lower right corner (a
// flat button-face square while the frame that holds it is maximised), and
// answers the host's Copy and Print command states from the operations the
// views supply.

#include "core/String.h"
#include "module/ZARProxyEventHandler.h"
#include "platform/owl/TWindow.h"
#include "platform/vantrel/DocView.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

// The host's command ids whose state the view base answers, and the message it passes on.
inline constexpr DWORD kCopyCommandId = 0x80170004;
inline constexpr DWORD kPrintCommandId = 0x80170000;
inline constexpr DWORD kThirdCommandId = 0x80170001;
inline constexpr DWORD kViewDefaultMessageId = 0x8001000D;

class ViewBase : public OWL::TWindow, public ZARCppEventHandler {
public:
    // The title comes from the document; the view site, when given, is asked for its host view link.
    ViewBase(OWL::TWindow* parent, LPCWSTR title, OWL::TModule* module, IUnknown* viewSite,
             IUnknown* document, ULONG_PTR creation);
    ~ViewBase() override;

    const Ovo::String& Title() const { return mTitle; }
    IUnknown* Document() const { return mDocument; }
    ULONG_PTR CreationValue() const { return mCreation; }
    // The host view; empty when the view site gives no host object.
    ComPtr<IHostView> GetHostView() const;

    // The grip's square: the larger scroll-bar metric, in the client's corner.
    OWL::TRect GripRect() const;
    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;
    UINT EvNCHitTest(const OWL::TPoint& screen);

    // The views' command texts and states.
    virtual void GetCopyCommandText(Ovo::String& text) {}
    virtual void GetPrintCommandText(Ovo::String& text) {}
    virtual bool CanPrint() { return false; }
    virtual bool CanCopy() { return false; }
    virtual bool CanDoThirdCommand() { return false; }

    // "&Print" at the start of the text becomes "&Imprimir" when the host's
    // user interface is Spanish (language byte 10).
    static Ovo::String LocalisedPrintText(const Ovo::String& text, bool languageKnown, BYTE language);

    void CeCopy(ICommandState& state);
    void CePrint(ICommandState& state);
    void CeThird(ICommandState& state);
    // Asks the host view to do its default and lets the message go on.
    HRESULT MsgViewDefault();

protected:
    bool mPaintSizeGrip = true;
    bool mHitTestSizeGrip = true;

private:
    bool FrameMaximised() const;

    OWL::TModule* mModuleValue;
    IUnknown* mViewSite;
    IUnknown* mDocument;
    ULONG_PTR mCreation;
    IUnknown* mHostViewLink = nullptr; // not held
    Ovo::String mTitle;

    DECLARE_RESPONSE_TABLE(ViewBase);

public:
    ZAR_COMMAND_TABLE(ViewBase, ZAREventHandlerBase)
};

} // namespace Tarvik
