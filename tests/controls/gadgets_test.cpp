// Themed gadgets and gadget windows: looks by state, sizes, images, menus,
// and the toolbar pictures themed, plain and without the theme library.

#include <gtest/gtest.h>

#include "controls/GdiplusStarter.h"
#include "controls/UxGadgetWindow.h"
#include "controls/UxMenuGadget.h"
#include "controls/UxSizableButtonGadget.h"
#include "platform/gdi/Png.h"
#include "platform/owl/TModule.h"
#include "platform/user/Input.h"
#include "tests/controls/ControlsTest.h"
#include "tests/support/GoldenImage.h"

namespace {

using controls_test::ControlsTest;
using controls_test::TestModule;

constexpr WORD kGlyph = 910;

// A 12 x 12 arrow in dark blue on transparent corners.
std::vector<BYTE> ArrowPng() {
    gdi::Surface s(12, 12, 32, 0);
    for (int y = 2; y < 10; ++y)
        for (int x = 2; x < 2 + (y < 6 ? y : 12 - y); ++x)
            s.Set(x, y, 0xFF1E3C96);
    const auto bytes = gdi::EncodePngWithAlpha(s);
    return std::vector<BYTE>(bytes.begin(), bytes.end());
}

class Gadgets : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        Switch();
        RegisterResource(TestModule(), u"PNG", MAKEINTRESOURCEW(kGlyph), 0x0409, ArrowPng());
        module = std::make_unique<OWL::TModule>(u"test", TestModule());
        frame = Frame(100, 100, 200, 60);
        bar = new OvoControls::UxGadgetWindow(frame.get(), module.get());
        bar->Attr.W = 200;
        bar->Attr.H = 40;
    }
    void TearDown() override {
        frame.reset();
        module.reset();
        ControlsTest::TearDown();
    }

    // Sets the theme switches before the gadget window opens its theme.
    virtual void Switch() {}

    UxSizableButtonGadget* Add(int id) {
        auto* g = new UxSizableButtonGadget(id, kGlyph);
        bar->Insert(*g);
        return g;
    }
    gdi::Surface Picture() {
        bar->Invalidate();
        Pump();
        return user::WindowPicture(bar->GetHandle());
    }

    std::unique_ptr<OWL::TModule> module;
    std::unique_ptr<OWL::TWindow> frame;
    OvoControls::UxGadgetWindow* bar = nullptr;
};

// Normal, hot, pressed (down) and disabled buttons side by side.
class ToolbarPictures : public Gadgets {
public:
    gdi::Surface Draw() {
        Add(1);
        Add(2);
        UxSizableButtonGadget* pressed = Add(3);
        UxSizableButtonGadget* disabled = Add(4);
        EXPECT_TRUE(frame->Create());
        pressed->SetButtonState(OWL::TButtonGadget::Down);
        disabled->SetEnabled(false);
        const OWL::TRect hot = bar->GadgetWithId(2)->GetBounds();
        user::MoveMouseTo(bar->GetHandle(), {hot.left + 3, hot.top + 3});
        return Picture();
    }
};

class PlainToolbarPictures : public ToolbarPictures {
    void Switch() override { theme::CurrentSwitches().themeActive = false; }
};

class ToolbarPicturesWithoutThemeLibrary : public ToolbarPictures {
    void Switch() override { theme::CurrentSwitches().libraryPresent = false; }
};

TEST_F(ToolbarPictures, Themed) {
    const gdi::Surface picture = Draw();
    EXPECT_NE(static_cast<UxSizableButtonGadget*>(bar->GadgetWithId(1))->Theme(), nullptr);
    EXPECT_EQ(static_cast<UxSizableButtonGadget*>(bar->GadgetWithId(2))->Look() & UxSizableButtonGadget::kHot,
              UxSizableButtonGadget::kHot);
    EXPECT_TRUE(golden::Matches(picture, "toolbar-themed"));
}

TEST_F(PlainToolbarPictures, Plain) {
    const gdi::Surface picture = Draw();
    EXPECT_EQ(static_cast<UxSizableButtonGadget*>(bar->GadgetWithId(1))->Theme(), nullptr);
    EXPECT_TRUE(golden::Matches(picture, "toolbar-plain"));
}

TEST_F(ToolbarPicturesWithoutThemeLibrary, WithoutTheThemeLibrary) {
    const gdi::Surface picture = Draw();
    EXPECT_EQ(static_cast<UxSizableButtonGadget*>(bar->GadgetWithId(1))->Theme(), nullptr);
    EXPECT_TRUE(golden::Matches(picture, "toolbar-no-theme-library"));
}

TEST_F(Gadgets, ADisabledGadgetUsesState4EvenWhilePressedAndShowsNoOverlay) {
    UxSizableButtonGadget* g = Add(1);
    ASSERT_TRUE(frame->Create());
    g->SetButtonState(OWL::TButtonGadget::Down);
    const gdi::Surface down = Picture();
    EXPECT_EQ(theme::Calls().back().state, 3);
    g->SetEnabled(false);
    const gdi::Surface disabledDown = Picture();
    EXPECT_EQ(theme::Calls().back().state, 4);
    EXPECT_EQ(g->Look() & UxSizableButtonGadget::kDisabled, UxSizableButtonGadget::kDisabled);
    g->SetButtonState(OWL::TButtonGadget::Up);
    const gdi::Surface disabledUp = Picture();
    EXPECT_EQ(gdi::DifferentPixels(disabledDown, disabledUp), 0u) << "no pressed overlay while disabled";
    EXPECT_GT(gdi::DifferentPixels(down, disabledDown), 0u);
}

TEST_F(Gadgets, AnIndeterminateGadgetDrawsNeitherImageNorText) {
    theme::CurrentSwitches().themeActive = false;
    UxSizableButtonGadget* g = Add(1);
    g->SetStyle(OWL::TButtonTextGadget::sBitmapText);
    g->SetText(u"Go");
    ASSERT_TRUE(frame->Create());
    g->SetButtonState(OWL::TButtonGadget::Indeterminate);
    const gdi::Surface picture = Picture();
    const OWL::TRect b = g->GetBounds();
    for (int y = b.top + 3; y < b.bottom - 3; ++y)
        for (int x = b.left + 3; x < b.right - 3; ++x)
            ASSERT_EQ(gdi::ColorFromPixel(picture.Get(x, y)), GetSysColor(COLOR_WINDOW)) << x << "," << y;
}

TEST_F(Gadgets, AStackedGadgetIsAsWideAsItsTextAndBorderWhenTheTextIsWider) {
    UxSizableButtonGadget* g = Add(1);
    g->SetStyle(OWL::TButtonTextGadget::sBitmapText);
    g->SetLayoutStyle(OWL::TButtonTextGadget::lTextBottom);
    g->SetText(u"Always show latest");
    ASSERT_TRUE(frame->Create());
    OWL::TSize size;
    g->GetDesiredSize(size);
    EXPECT_EQ(size.cx, g->GetTextSize().cx + 6);
    EXPECT_EQ(size.cy, 6 + 12 + g->GetTextSize().cy);
    g->SetLayoutStyle(OWL::TButtonTextGadget::lTextRight);
    g->GetDesiredSize(size);
    EXPECT_EQ(size.cx, 6 + 12 + g->GetTextSize().cx);
}

TEST_F(Gadgets, SetImageHandsBackThePreviousImage) {
    UxSizableButtonGadget* g = Add(1);
    ASSERT_TRUE(frame->Create());
    EXPECT_EQ(g->ImageSize().cx, 12) << "loaded from the window's module";
    auto replacement = std::make_unique<Gdiplus::Bitmap>(20, 10);
    Gdiplus::Image* raw = replacement.get();
    std::unique_ptr<Gdiplus::Image> previous = g->SetImage(0, std::move(replacement));
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(previous->GetWidth(), 12u);
    EXPECT_EQ(g->ImageSize().cx, 20);
    EXPECT_EQ(g->SetImage(1, nullptr), nullptr);
    (void)raw;
}

TEST_F(Gadgets, TypeNamesNameTheirClasses) {
    auto* custom = new UxCustomButtonGadget(2, OWL::TButtonTextGadget::sBitmap, OWL::TButtonGadget::Command,
                                            true, OWL::TButtonGadget::Up, false, 0, 2, nullptr);
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 31, u"Zoom in");
    auto* menuGadget = new Ovo::UxMenuGadget(3, nullptr, 2, menu, frame.get());
    HMENU menu2 = CreatePopupMenu();
    auto* buttonMenu = new Ovo::UxButtonMenuGadget(4, nullptr, 2, menu2, frame.get(), u"Ratio");
    EXPECT_STREQ(Add(1)->GetTypeName(), "UxSizableButtonGadget");
    EXPECT_STREQ(custom->GetTypeName(), "UxCustomButtonGadget");
    EXPECT_STREQ(menuGadget->GetTypeName(), "UxMenuGadget");
    EXPECT_STREQ(buttonMenu->GetTypeName(), "UxButtonMenuGadget");
    EXPECT_EQ(menuGadget->GetText(), u"Zoom in");
    EXPECT_EQ(buttonMenu->GetText(), u"Ratio");
    delete custom;
    delete menuGadget;
    delete buttonMenu;
}

TEST_F(Gadgets, TheClickThatClosesAMenuDoesNotOpenItAgain) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 31, u"Zoom in");
    auto* g = new Ovo::UxMenuGadget(3, nullptr, 2, menu, frame.get());
    bar->Insert(*g);
    ASSERT_TRUE(frame->Create());
    const OWL::TRect b = g->GetBounds();
    auto& menus = user::Desktop::Current().Menus();
    menus.Script([&](const user::PopupMenuShown&) {
        user::Click(bar->GetHandle(), {b.left + 2, b.top + 2}); // the user clicks the gadget to close it
        return 0u;
    });
    user::Click(bar->GetHandle(), {b.left + 2, b.top + 2});
    Pump();
    ASSERT_EQ(menus.Shown().size(), 1u);
    EXPECT_EQ(menus.Shown()[0].flags, TPM_VERTICAL);
    POINT corner{b.left, b.top};
    ClientToScreen(bar->GetHandle(), &corner);
    EXPECT_EQ(menus.Shown()[0].at.x, corner.x);
    EXPECT_EQ(menus.Shown()[0].exclude->bottom - menus.Shown()[0].exclude->top, b.Height());
    EXPECT_FALSE(g->IsPressed());
}

} // namespace
