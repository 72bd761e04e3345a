#pragma once
// The scale strips beside a graph's axes are objects of the host, made
// through its graph service; the plot library wraps each in a window and turns
// its call-backs into plot messages. CDragScale is the window over the strip's
// own, GraphDragScale the sender with the call-back operations, and
// GraphDragScaleWindow joins both and observes the strip.

#include <cstdint>

#include "platform/owl/TWindow.h"
#include "platform/vantrel/GraphService.h"
#include "platform/win32/com_ptr.h"
#include "plot/MessSys.h"
#include "plot/PlotMessages.h"

namespace ZOzuve1 {

class GraphDragScale : public MessSys::MessageSender {
public:
    virtual HRESULT OnBeginDrag(DWORD value, DWORD reserved);
    virtual HRESULT OnEndDrag(DWORD value, DWORD reserved);
    virtual HRESULT OnScalingChanged(DWORD a, DWORD b, DWORD c) = 0;
    virtual HRESULT OnAutoScale(DWORD value) = 0;
    // The axis's visible interval (x0, x1).
    virtual ScalePair GetScalePair() const { return {0.0, 1.0}; }
    // Whether the strip drives its axis: it answers an interval with a
    // scaling call-back.
    virtual bool DrivesAxis() const { return false; }
    virtual IScaleStrip* GetStrip() const { return nullptr; }
};

class CDragScale : public OWL::TWindow {
public:
    // style, id and the two further values go to the host unchanged.
    CDragScale(OWL::TWindow* parent, DWORD style, DWORD id, DWORD a, LONG b);
    ~CDragScale() override;

    // Has the graph service make the strip with its window, and becomes an
    // alias of that window. False without a service or a strip window.
    bool Create() override;
    // Passes an axis title to the strip.
    virtual void SetStripTitle(const WCHAR* title);

    IScaleStrip* Strip() const { return mStrip.Get(); }

protected:
    ComPtr<IScaleStrip> mStrip;

private:
    DWORD mStyle;
    DWORD mId;
    DWORD mA;
    LONG mB;
};

class GraphDragScaleWindow : public GraphDragScale, public CDragScale, public IDragScaleObserver {
public:
    GraphDragScaleWindow(OWL::TWindow* parent, DWORD style, DWORD id, DWORD a, LONG b);
    ~GraphDragScaleWindow() override;

    // Also registers the window as the strip's observer.
    bool Create() override;

    // The strip's call-backs, sent on as plot messages.
    HRESULT OnBeginDrag(DWORD value, DWORD reserved) override;
    HRESULT OnEndDrag(DWORD value, DWORD reserved) override;
    // Sends the strip's transform and origin with MsgScalingChanged.
    HRESULT OnScalingChanged(DWORD a, DWORD b, DWORD c) override;
    HRESULT OnAutoScale(DWORD value) override;
    ScalePair GetScalePair() const override;
    bool DrivesAxis() const override { return true; }
    IScaleStrip* GetStrip() const override { return mStrip.Get(); }

    // The window's lifetime rules it: no reference counting.
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }

private:
    bool mObserverRegistered = false;
};

GraphDragScaleWindow* MakeGraphDragScaleWindow(OWL::TWindow* parent, DWORD style, DWORD id, DWORD a, LONG b);

} // namespace ZOzuve1
