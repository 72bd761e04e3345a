// Comments on loop events: the marker a comment draws and where it lies, its popup, how comments
// are ordered, the message that carries one to the host, and the host's trace view keeping them.

#include <gtest/gtest.h>

#include "document/comments/CommentPopup.h"
#include "document/comments/EventDataCommentTP.h"
#include "document/comments/ShowComment2Msg.h"
#include "host/document/TraceComments.h"
#include "host/framework/Automation.h"
#include "host/framework/Text.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/user/Desktop.h"
#include "platform/user/WindowSurfaces.h"
#include "platform/user/timer_api.h"
#include "platform/user/user.h"
#include "platform/vantrel/HostNotices.h"
#include "tests/document/CommandFixture.h"
#include "tests/support/GoldenImage.h"
#include "views/TEventDrawClass.h"
#include "views/TarvikEventDrawPolicy.h"

namespace {

using StrevClient::EventCommentBase;

// A comment of the marker kind whose fields a test sets.
class TestComment : public EventCommentBase {
public:
    TestComment(const char16_t* text, DWORD typeId = 7, LONG channel = 0, LONG record = 0, LONG tick = 0)
        : EventCommentBase(typeId, channel) {
        mText = Ovo::String(text);
        mRecord = record;
        mTick = tick;
        AddRef();
    }
    HRESULT GetTickRecord(HostTickPosition*) override { return E_NOTIMPL; }
    HRESULT GetTick(LONG*) override { return E_NOTIMPL; }
    HRESULT GetRecordTick(HostTickPosition*) override { return E_NOTIMPL; }
    HRESULT Reserved23(DWORD, DWORD, DWORD, DWORD) override { return E_FAIL; }
    HRESULT GetEventTick(LONG*) override { return E_NOTIMPL; }
    HRESULT SetEventTick(LONG) override { return E_NOTIMPL; }
    HRESULT GetMessageId(DWORD*) override { return E_NOTIMPL; }
    HRESULT GetStyle(DWORD*, COLORREF*, DWORD*) override { return E_NOTIMPL; }
    HRESULT GetEventPosition(DWORD*) override { return E_NOTIMPL; }

    void SetColour(COLORREF colour) { mColour = colour; }
    bool failPopup = false;

protected:
    ICommentPopupWindow* MakePopup(HWND owner, POINT anchor, IAutoOvoString* time, int height) override {
        return failPopup ? nullptr : EventCommentBase::MakePopup(owner, anchor, time, height);
    }
};

// A device context of the given resolution and technology, drawing nowhere.
HDC DeviceAt(int dpi, int technology = DT_RASDISPLAY) {
    gdi::SurfaceTarget target;
    target.surface = std::make_shared<gdi::Surface>(200, 200);
    target.caps.logPixelsX = target.caps.logPixelsY = dpi;
    target.caps.technology = technology;
    return gdi::CreateSurfaceDC(target);
}

RECT Rect(LONG l, LONG t, LONG r, LONG b) {
    return RECT{l, t, r, b};
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class Comments : public TarvikTest::ModuleHost {
protected:
    void SetUp() override { user::Desktop::Reset(); }
    void TearDown() override {
        ModuleHost::TearDown();
        user::Desktop::Reset();
    }

    // A visible top-level window with a sizing frame, a trace to draw comments on.
    HWND Trace(RECT r = Rect(100, 200, 700, 500)) {
        WNDCLASSW traceClass{};
        traceClass.lpfnWndProc = DefWindowProcW;
        traceClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        traceClass.lpszClassName = u"TraceView";
        RegisterClassW(&traceClass);
        return CreateWindowExW(0, u"TraceView", u"trace", WS_OVERLAPPEDWINDOW | WS_VISIBLE, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    }
};

TEST_F(Comments, MarkerRectanglesFollowTheDevicesResolution) {
    const struct {
        int dpi;
        RECT expected; // for the marker's top at (50, 20)
    } cases[] = {
        {96, Rect(47, 20, 54, 27)},  // 7 x 7 hanging below the point
        {192, Rect(44, 20, 57, 33)}, // twice the half-size
        {72, Rect(47, 20, 54, 27)},  // never smaller than at 96 dpi
        {144, Rect(46, 20, 55, 29)}, // half-size trunc(1.5 x 3) = 4
    };
    TestComment comment(u"");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const HDC dc = DeviceAt(c.dpi);
        const CommentDrawRecord where = Vantrel::TraceComments::at(50, 20, 100, false, false);
        RECT marker{};
        comment.GetMarkerRect(dc, &where, &marker);
        EXPECT_TRUE(marker == c.expected);
        DWORD flags = 9;
        EXPECT_EQ(comment.HitTest(dc, &where, POINT{c.expected.right - 1, c.expected.bottom - 1}, 0, &flags),
                  S_OK);
        EXPECT_EQ(flags, kCommentHitMarker);
        EXPECT_EQ(comment.HitTest(dc, &where, POINT{c.expected.right, c.expected.top}, 0, &flags), S_FALSE);
        EXPECT_EQ(flags, 0u);
        EXPECT_EQ(comment.HitTest(dc, &where, POINT{50, 20}, 0, nullptr), S_OK) << "flags may be null";
        DeleteDC(dc);
    }
}

TEST_F(Comments, SelectedAndUnselectedMarkersDrawTheirGuideAndFill) {
    TestComment comment(u"", 7);
    comment.SetColour(RGB(0, 255, 0));
    const int objects = gdi::LiveObjectCount();
    const struct {
        const char* name;
        int dpi;
        int technology;
        bool sameAttributeDc;
        DWORD flags;
        int penStyle; // of the guide line (PS_DOT: the geometric pen); -1: none drawn
        int penWidth;
        LONG guideBottom;
        COLORREF fill;
    } cases[] = {
        {"selected on the screen", 96, DT_RASDISPLAY, true, kCommentGuideLine | kCommentSelected,
         PS_ALTERNATE, 1, 100, 0},
        {"unselected, guide to the other bottom", 96, DT_RASDISPLAY, true,
         kCommentGuideLineToo | kCommentUseAltBottom, PS_ALTERNATE, 1, 140, RGB(0, 255, 0)},
        {"on a printer", 300, DT_RASPRINTER, true, kCommentGuideLine, PS_DOT, 3, 100, RGB(0, 255, 0)},
        {"through a separate attribute context", 96, DT_RASDISPLAY, false, kCommentGuideLine, PS_DOT, 1, 100,
         RGB(0, 255, 0)},
        {"no guide line", 96, DT_RASDISPLAY, true, kCommentSelected, -1, 0, 0, 0},
        {"an alternate pen cannot be 2 wide: no line", 192, DT_RASDISPLAY, true, kCommentGuideLine, -1, 0, 0,
         RGB(0, 255, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HDC dc = DeviceAt(c.dpi, c.technology);
        const HDC attribute = c.sameAttributeDc ? dc : DeviceAt(c.dpi, c.technology);
        CommentDrawRecord where = Vantrel::TraceComments::at(50, 20, 100, false, false);
        where.altBottom = 140;
        where.flags = c.flags;
        ASSERT_EQ(comment.Draw(dc, attribute, &where, 0, 0), S_OK);
        const auto& calls = gdi::DisplayListOf(dc)->Calls();
        std::vector<std::string> names;
        for (const auto& call : calls)
            names.push_back(call.name);
        if (c.penStyle < 0) {
            EXPECT_EQ(names, std::vector<std::string>{"Ellipse"});
        } else {
            ASSERT_EQ(names, (std::vector<std::string>{"MoveToEx", "LineTo", "Ellipse"}));
            EXPECT_EQ(calls[1].args, (std::vector<std::int64_t>{50, 20, 50, c.guideBottom}));
            EXPECT_EQ(calls[1].penColor, 0xC0C0C0u);
            EXPECT_EQ(calls[1].penStyle, c.penStyle);
            EXPECT_EQ(calls[1].penWidth, c.penWidth);
        }
        const auto& ellipse = calls.back();
        RECT marker{};
        comment.GetMarkerRect(attribute, &where, &marker);
        EXPECT_EQ(ellipse.args,
                  (std::vector<std::int64_t>{marker.left, marker.top, marker.right, marker.bottom}));
        EXPECT_EQ(ellipse.penColor, 0u) << "a black outline";
        EXPECT_EQ(ellipse.brushColor, c.fill);
        if (attribute != dc)
            DeleteDC(attribute);
        DeleteDC(dc);
    }
    EXPECT_EQ(gdi::LiveObjectCount(), objects) << "pens and brushes are deleted";
}

TEST_F(Comments, ThePopupWrapsTheTextInAtMostSevenLinesAboveTheMarker) {
    const HWND trace = Trace();
    const struct {
        std::u16string text;
        int lines;
        const char* golden;
    } cases[] = {
        {u"", 1, nullptr},
        {u"Tarvik: 4; Value = 87.5; Period = 0.2 s", 1, "comment-popup"},
        {std::u16string(400, u'x'), 7, nullptr},
    };
    for (const auto& c : cases) {
        TestComment comment(c.text.c_str());
        comment.SetColour(RGB(0, 255, 0));
        const CommentDrawRecord where = Vantrel::TraceComments::at(300, 150, 250, false, false);
        const auto time = ComPtr<IAutoOvoString>::Adopt(Vantrel::MakeString(u"12.345 s"));
        ComPtr<ICommentPopupWindow> popup;
        ASSERT_EQ(comment.ShowPopupAt(trace, &where, time.Get(), popup.Put(), 0), S_OK);
        auto* window = dynamic_cast<StrevClient::CommentPopup*>(popup.Get());
        ASSERT_NE(window, nullptr);
        const RECT markerRect = window->MarkerRect(), textRect = window->TextRect();
        const LONG line = markerRect.bottom - markerRect.top;
        EXPECT_EQ(textRect.bottom - textRect.top, c.lines * line) << c.lines << " lines";
        EXPECT_EQ(textRect.top, markerRect.bottom + 7);

        RECT r{};
        GetWindowRect(window->GetHandle(), &r);
        POINT anchor{300, 150};
        ClientToScreen(trace, &anchor);
        EXPECT_EQ(r.left, anchor.x);
        EXPECT_EQ(r.bottom, anchor.y) << "above the marker";
        EXPECT_TRUE(IsWindowVisible(window->GetHandle()));
        EXPECT_EQ(GetClassLongPtrW(window->GetHandle(), GCL_STYLE) & CS_SAVEBITS, CS_SAVEBITS);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window->GetHandle(), GWL_STYLE)) & ~WS_VISIBLE,
                  0x88800000u);
        ComPtr<IStrevComment> back;
        EXPECT_EQ(popup->GetComment(back.Put()), S_OK);
        EXPECT_EQ(back.Get(), static_cast<IStrevComment*>(&comment));
        EXPECT_EQ(popup->GetComment(nullptr), E_INVALIDARG);
        EXPECT_EQ(popup->Refresh(), S_OK);
        if (c.golden) {
            EXPECT_TRUE(golden::Matches(user::WindowPicture(window->GetHandle()), c.golden));
        }
    }
}

TEST_F(Comments, APopupNearTheTopOfTheScreenOpensBelowTheMarkerAndKeepsOffTheRightEdge) {
    const HWND trace = Trace(Rect(1700, 0, 1920, 300));
    TestComment comment(u"near the corner");
    const CommentDrawRecord where = Vantrel::TraceComments::at(200, 5, 100, false, false);
    ComPtr<ICommentPopupWindow> popup;
    ASSERT_EQ(comment.ShowPopupAt(trace, &where, nullptr, popup.Put(), 0), S_OK);
    const HWND window = dynamic_cast<StrevClient::CommentPopup*>(popup.Get())->GetHandle();
    RECT r{}, marker{};
    GetWindowRect(window, &r);
    const HDC dc = GetDC(trace);
    comment.GetMarkerRect(dc, &where, &marker);
    ReleaseDC(trace, dc);
    POINT top{200, 5};
    ClientToScreen(trace, &top);
    EXPECT_EQ(r.top, top.y + (marker.bottom - marker.top)) << "below the marker";
    EXPECT_EQ(r.right, 1920 - 10) << "10 pixels from the work area's right edge";

    comment.failPopup = true;
    ComPtr<ICommentPopupWindow> none;
    EXPECT_EQ(comment.ShowPopupAt(trace, &where, nullptr, none.Put(), 0), E_OUTOFMEMORY);
    EXPECT_FALSE(none);
}

TEST_F(Comments, IsBeforeOrdersByPositionIdTypeChannelAndText) {
    struct Fields {
        LONG record, tick;
        DWORD id, typeId;
        LONG channel;
        const char16_t* text;
    };
    const struct {
        const char* name;
        Fields a, b;
        bool aFirst, bFirst;
    } cases[] = {
        {"earlier record", {0, 900, 5, 5, 5, u"z"}, {1, 0, 1, 1, 1, u"a"}, true, false},
        {"earlier tick", {1, 10, 5, 5, 5, u"z"}, {1, 20, 1, 1, 1, u"a"}, true, false},
        {"positions compare unsigned", {1, -1, 0, 0, 0, u""}, {1, 5, 0, 0, 0, u""}, false, true},
        {"smaller id", {1, 10, 1, 9, 9, u"z"}, {1, 10, 2, 0, 0, u"a"}, true, false},
        {"smaller type id, unsigned", {1, 10, 1, 0x80000000u, 0, u""}, {1, 10, 1, 3, 0, u""}, false, true},
        {"smaller channel", {1, 10, 1, 3, -1, u"z"}, {1, 10, 1, 3, 2, u"a"}, true, false},
        {"then the text", {1, 10, 1, 3, 2, u"apple"}, {1, 10, 1, 3, 2, u"banana"}, true, false},
        {"equal", {1, 10, 1, 3, 2, u"same"}, {1, 10, 1, 3, 2, u"same"}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestComment a(c.a.text, c.a.typeId, c.a.channel, c.a.record, c.a.tick);
        TestComment b(c.b.text, c.b.typeId, c.b.channel, c.b.record, c.b.tick);
        a.SetId(c.a.id);
        b.SetId(c.b.id);
        EXPECT_EQ(a.IsBefore(&b), c.aFirst ? S_OK : S_FALSE);
        EXPECT_EQ(b.IsBefore(&a), c.bFirst ? S_OK : S_FALSE);
        const bool equal = !c.aFirst && !c.bFirst;
        EXPECT_EQ(a.IsSame(&b), equal ? S_OK : S_FALSE);
        EXPECT_EQ(a.IsSame(&a), S_OK);
    }
}

TEST_F(Comments, APositionProviderMovesTheCommentAndLeavesItWhereItWas) {
    const ComPtr<StrevClient::EventDataCommentTP> held(
        new StrevClient::EventDataCommentTP(nullptr, 3, 0, 0, 1200, 2, nullptr));
    StrevClient::EventDataCommentTP& comment = *held.Get();
    ComPtr<ICommentPositionProvider> provider;
    EXPECT_EQ(comment.GetPositionProvider(provider.Put()), S_FALSE);
    EXPECT_FALSE(provider);
    LONG tick = 77;
    EXPECT_EQ(comment.GetAbsoluteTick(&tick), E_UNEXPECTED) << "no provider to count from";
    EXPECT_EQ(tick, 77);

    const auto moved = ComPtr<Vantrel::CommentPosition>::Adopt(new Vantrel::CommentPosition(4, 500));
    comment.SetPositionProvider(moved.Get());
    HostTickPosition at{};
    comment.GetInfo(&at, nullptr, nullptr, nullptr);
    EXPECT_EQ(at.record, 4);
    EXPECT_EQ(comment.GetAbsoluteTick(&tick), S_OK);
    EXPECT_EQ(tick, 500) << "the comment's own tick (0 without a data object) from the base tick";
    EXPECT_EQ(comment.GetPositionProvider(provider.Put()), S_OK);
    EXPECT_EQ(provider.Get(), static_cast<ICommentPositionProvider*>(moved.Get()));
    comment.SetPositionProvider(nullptr);
    comment.GetInfo(&at, nullptr, nullptr, nullptr);
    EXPECT_EQ(at.record, 4) << "kept from the provider";

    DWORD words[2] = {};
    EXPECT_EQ(comment.GetEventPosition(words), S_OK);
    EXPECT_EQ(words[0], 1200u);
    EXPECT_EQ(words[1], 2u);
    EXPECT_EQ(comment.GetEventPosition(nullptr), E_INVALIDARG);
    EXPECT_EQ(comment.GetEventTick(nullptr), E_INVALIDARG);
    EXPECT_EQ(comment.GetTick(&tick), E_NOTIMPL);
    EXPECT_EQ(comment.Reserved21(0, 0), E_FAIL);
    DWORD typeId = 0;
    comment.GetTypeId(&typeId);
    EXPECT_EQ(typeId, 0u);
    EXPECT_TRUE(comment.Text().IsEmpty()) << "no drawing class: no text";
    EXPECT_EQ(comment.Colour(), 0x00FFFFFFu) << "and a white marker";
}

TEST_F(Comments, TheMessageCarriesTheCommentToTheHostsTraceView) {
    TestComment comment(u"loop 3");
    const auto message = ComPtr<ISettingsMessage>::Adopt(
        static_cast<ISettingsMessage*>(StrevClient::ShowComment2Msg::Create(&comment, kShowCommentFlags)));
    DWORD value = 0;
    message->GetId(&value);
    EXPECT_EQ(value, 0x800C005Au);
    message->GetFlags(&value);
    EXPECT_EQ(value, 1u);
    message->SetTargetId(12);
    ComPtr<IMessage> copy;
    ASSERT_EQ(message->Clone(copy.Put()), S_OK);
    VARIANT_BOOL match = 0;
    copy.Query<ISettingsMessage>(IID_IMessage)->IsTargetId(12, &match);
    EXPECT_EQ(match, VARIANT_TRUE);
    void* out = nullptr;
    EXPECT_EQ(message->QueryInterface(IID_IStrevComment, &out), E_NOINTERFACE);

    Vantrel::TraceComments trace;
    EXPECT_EQ(trace.take(copy.Get()), S_OK);
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_EQ(&trace.comment(0), static_cast<IStrevComment*>(&comment));
    EXPECT_EQ(trace.flags(0), 0x60000000u);
    EXPECT_EQ(trace.text(0), u"loop 3");
    DWORD id = 0;
    comment.GetId(&id);
    EXPECT_EQ(id, 1u) << "the host numbers its comments";
    EXPECT_EQ(comment.RefCount(), 4) << "the test's, both messages' and the host's";
    trace.clear();
    copy.Reset();
    EXPECT_EQ(comment.RefCount(), 2);
}

TEST_F(Comments, FlashDrawsAShrinkingEllipseAndLeavesTheTraceAsItWas) {
    const HWND trace = Trace();
    TestComment comment(u"");
    const CommentDrawRecord where = Vantrel::TraceComments::at(300, 100, 200, false, false);
    const gdi::Surface before = user::WindowPicture(trace);
    const std::uint64_t start = user::Desktop::Current().Clock().Now();
    EXPECT_EQ(comment.Flash(trace, &where, 200, 0), S_OK);
    EXPECT_EQ(user::Desktop::Current().Clock().Now() - start, 50u + 10u * 20u)
        << "50 ms, then ten 20 ms steps";
    EXPECT_EQ(gdi::DifferentPixels(before, user::WindowPicture(trace)), 0u);

    // Elsewhere: minimised, or the point is under another window.
    ShowWindow(trace, SW_MINIMIZE);
    EXPECT_EQ(comment.Flash(trace, &where, 200, 0), S_OK);
    ShowWindow(trace, SW_RESTORE);
    const HWND cover = Trace();
    EXPECT_EQ(comment.Flash(trace, &where, 200, 0), S_OK);
    EXPECT_EQ(user::Desktop::Current().Clock().Now() - start, 250u) << "no animation either time";
    DestroyWindow(cover);
}

// Through the host: the module's document shows a picked loop as a comment on the host's trace.
class LoopComments : public TarvikTest::CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        drawClass = ComPtr<ICAFClassObject>::Adopt(
            static_cast<ICAFClassObject*>(new StrevClient::TEventDrawClass<Tarvik::TarvikEventDrawPolicy>));
        drawClass->AddRef(); // the class objects count from 0
        Zar().Classes().RegisterClassObject(drawClass.Get());
    }
    void TearDown() override {
        CommandFixture::TearDown();
        drawClass.Reset();
    }

    Tarvik::TarvikDocument& Analysed(bool markers) {
        Tarvik::TarvikDocument& document = OpenWithSetUp();
        Tarvik::SetModelParam<36>(document.FindModel(), markers);
        EXPECT_TRUE(recordingDocument->sendMessage(Tarvik::DocMsgId<257>()));
        return document;
    }
    // The label the host's trace gives the marker of a loop: its number among the loops the statistics
    // count, found at its position.
    static std::u16string MarkerLabel(Tarvik::TarvikData& loops, std::int32_t loop) {
        Tarvik::TarvikEvent event{};
        EXPECT_TRUE(loops.GetVChanData().GetLoop(loop, event));
        const TickPosition at = loops.GetLoopPosition(loop);
        Tarvik::VChanData& vchan = loops.GetVChanData();
        const std::int32_t number = vchan.GetStats()->RecordIndexAt(vchan.FindLoopAt(at.record, at.tick));
        return Tarvik::TarvikEventDrawPolicy::LoopLabel(event, number).ToU16String();
    }
    // Selects a loop as the module's loop view and table do: by the automation command.
    void Pick(Tarvik::TarvikDocument& document, LONG loop) {
        const auto handler = QueryInterfacePtr<IMessageHandler>(document.Identity(), IID_IMessageHandler);
        Vantrel::Automation automation(Zar(), *handler.Get());
        const Vantrel::Argument index[] = {Vantrel::Argument::Long(loop)};
        EXPECT_EQ(automation.Call(u"SelectATarvik", index).delivery, S_OK);
    }

    ComPtr<ICAFClassObject> drawClass;
};

TEST_F(LoopComments, APickedLoopWithMarkersShownBecomesOneCommentLabelledAsItsMarker) {
    Tarvik::TarvikDocument& document = Analysed(true);
    Tarvik::TarvikData& loops = document.LoopData();
    constexpr std::int32_t kLoop = 3;
    const TickPosition position = loops.GetLoopPosition(kLoop);

    Pick(document, kLoop);
    Vantrel::TraceComments& trace = recordingDocument->comments();
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_EQ(trace.flags(0), kShowCommentFlags);
    EXPECT_EQ(trace.text(0), MarkerLabel(loops, kLoop));
    EXPECT_EQ(trace.text(0).rfind(u"Tarvik: ", 0), 0u);
    HostTickPosition at{};
    trace.comment(0).GetInfo(&at, nullptr, nullptr, nullptr);
    EXPECT_EQ(at.record, position.record);
    LONG tick = 0;
    ASSERT_EQ(trace.comment(0).GetAbsoluteTick(&tick), S_OK);
    EXPECT_EQ(tick, position.tick) << "at the loop's event";
    DWORD typeId = 0, drawId = 0;
    trace.comment(0).GetTypeId(&typeId);
    drawClass->GetClassId(&drawId);
    EXPECT_EQ(typeId, drawId) << "typed by the class that draws loop events";

    // The trace view draws it, finds it under the pointer and opens its popup.
    const HWND view = CreateWindowExW(0, u"STATIC", u"trace", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 100, 800,
                                      400, nullptr, nullptr, nullptr, nullptr);
    const CommentDrawRecord where = Vantrel::TraceComments::at(400, 40, 300, true, true);
    const HDC dc = GetDC(view);
    EXPECT_EQ(trace.draw(0, dc, where), S_OK);
    EXPECT_EQ(trace.hitTest(dc, POINT{400, 45}, {where}), std::optional<std::size_t>(0));
    EXPECT_EQ(trace.hitTest(dc, POINT{420, 45}, {where}), std::nullopt);
    ReleaseDC(view, dc);
    HRESULT opened = E_FAIL;
    EXPECT_TRUE(trace.showPopup(0, view, where, u"1.234 s", &opened));
    EXPECT_EQ(opened, S_OK);

    Pick(document, -1);
    document.ShowLoopEventComment(TickPosition::None());
    EXPECT_EQ(trace.size(), 1u) << "no loop, no comment";
}

// A loop marker the user clicked in the host's trace, located by its position.
class ActivatedMarker final : public IEventDrawing, public IEventPosition {
public:
    ActivatedMarker(DWORD type, HostTickPosition at) : mType(type), mAt(at) {}
    HRESULT QueryInterface(const IID& iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IEventDrawing)
            *object = static_cast<IEventDrawing*>(this);
        else if (iid == IID_IEventPosition)
            *object = static_cast<IEventPosition*>(this);
        else
            return *object = nullptr, E_NOINTERFACE;
        return S_OK;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetTypeId(DWORD* type) override { return *type = mType, S_OK; }
    HRESULT GetTickCount(std::int64_t*) override { return S_FALSE; }
    HRESULT GetPosition(HostTickPosition* position) override { return *position = mAt, S_OK; }

private:
    DWORD mType;
    HostTickPosition mAt;
};

TEST_F(LoopComments, AClickedLoopMarkerBecomesTheCommentOfItsLoop) {
    Tarvik::TarvikDocument& document = Analysed(true);
    Tarvik::TarvikData& loops = document.LoopData();
    // The last loop of the third record: the blocks' last events come before it.
    std::int32_t kLoop = -1;
    Tarvik::TarvikEvent event{};
    for (std::int32_t k = 0; loops.GetVChanData().GetLoop(k, event); ++k)
        if (loops.GetLoopPosition(k).record == 2)
            kLoop = k;
    ASSERT_GE(kLoop, 0);
    const TickPosition position = loops.GetLoopPosition(kLoop);
    DWORD drawId = 0;
    drawClass->GetClassId(&drawId);

    ActivatedMarker other(drawId + 1, HostTickPosition{position.record, position.tick});
    recordingDocument->activateEvent(static_cast<IEventDrawing*>(&other));
    EXPECT_EQ(recordingDocument->comments().size(), 0u) << "another class's events select nothing";

    ActivatedMarker marker(drawId, HostTickPosition{position.record, position.tick});
    recordingDocument->activateEvent(static_cast<IEventDrawing*>(&marker));
    Vantrel::TraceComments& trace = recordingDocument->comments();
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_EQ(trace.text(0), MarkerLabel(loops, kLoop));
    HostTickPosition at{};
    trace.comment(0).GetInfo(&at, nullptr, nullptr, nullptr);
    EXPECT_EQ(at.record, position.record);
    EXPECT_EQ(Tarvik::GetModelParam<58>(document.FindModel()), kLoop);
}

TEST_F(LoopComments, WithoutMarkersShownNoCommentIsSent) {
    Tarvik::TarvikDocument& document = Analysed(false);
    Pick(document, 3);
    EXPECT_EQ(recordingDocument->comments().size(), 0u);
}

} // namespace
