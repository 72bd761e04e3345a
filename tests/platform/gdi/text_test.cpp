// Text with the pinned font: metrics and widths that layouts depend on,
// alignment, backgrounds, clipping and DrawTextW's layout rules.

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/gdi/FontFace.h"
#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;
using gdi_test::RectPoints;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A font selected into a canvas for the test's life.
class WithFont {
public:
    WithFont(HDC dc, int height, int weight = FW_NORMAL, BYTE underline = 0) : mDc(dc) {
        mFont = CreateFontW(height, 0, 0, 0, weight, 0, underline, 0, DEFAULT_CHARSET, 0, 0, 0, 0x22,
                            u"MS Shell Dlg 2");
        mOld = SelectObject(dc, mFont);
    }
    ~WithFont() {
        SelectObject(mDc, mOld);
        DeleteObject(mFont);
    }
    TEXTMETRICW Metrics() const {
        TEXTMETRICW tm{};
        GetTextMetricsW(mDc, &tm);
        return tm;
    }
    int Width(const std::u16string& s) const {
        SIZE size{};
        GetTextExtentPoint32W(mDc, s.c_str(), static_cast<int>(s.size()), &size);
        return size.cx;
    }

private:
    HDC mDc;
    HFONT mFont;
    HGDIOBJ mOld;
};

// Pinned DejaVu Sans 2.37, advances rounded per glyph at the em size.
TEST(TextCharacterization, MetricsFollowGdiHeightRules) {
    struct Case {
        int height, weight, tmHeight, ascent, descent, internal, avg;
    } cases[] = {
        {-11, 400, 13, 10, 3, 2, 6}, {-12, 400, 14, 11, 3, 2, 6}, {-16, 400, 19, 15, 4, 3, 8},
        {13, 400, 13, 10, 3, 2, 6},  {16, 400, 16, 13, 3, 2, 7},  {-12, 700, 14, 11, 3, 2, 7},
    };
    Canvas c(4, 4);
    for (const Case& k : cases) {
        WithFont f(c.dc(), k.height, k.weight);
        const TEXTMETRICW tm = f.Metrics();
        EXPECT_EQ(tm.tmHeight, k.tmHeight) << k.height;
        EXPECT_EQ(tm.tmAscent, k.ascent) << k.height;
        EXPECT_EQ(tm.tmDescent, k.descent) << k.height;
        EXPECT_EQ(tm.tmInternalLeading, k.internal) << k.height;
        EXPECT_EQ(tm.tmExternalLeading, 0) << k.height;
        EXPECT_EQ(tm.tmAveCharWidth, k.avg) << k.height;
        EXPECT_EQ(tm.tmWeight, k.weight);
    }
}

TEST(TextCharacterization, WidthsOfStringsLayoutsDependOn) {
    struct Case {
        int height, weight;
        std::u16string text;
        int width;
    } cases[] = {
        {-11, 400, u"Hello, World", 67},        {-11, 400, u"LV Pressure", 67},
        {-11, 400, u"10:00:00.0000 a.m.", 108}, {-11, 700, u"LV Pressure", 74},
        {-12, 400, u"Hello, World", 72},        {-16, 700, u"Hello, World", 110},
    };
    Canvas c(4, 4);
    for (const Case& k : cases) {
        WithFont f(c.dc(), k.height, k.weight);
        EXPECT_EQ(f.Width(k.text), k.width) << k.height << " " << k.weight;
        SIZE size{};
        GetTextExtentPoint32W(c.dc(), k.text.c_str(), static_cast<int>(k.text.size()), &size);
        EXPECT_EQ(size.cy, f.Metrics().tmHeight);
    }
}

TEST(Text, ExtentsAreSumsOfCharacterAdvances) {
    Canvas c(4, 4);
    WithFont f(c.dc(), -13);
    const std::u16string s = u"Ees 2.5 mmHg/\u00B5L \u00D7 10\u00B2";
    int sum = 0;
    for (char16_t ch : s)
        sum += f.Width(std::u16string(1, ch));
    EXPECT_EQ(f.Width(s), sum);
    EXPECT_GT(f.Width(u"\u00B5\u00B2\u00D7"), 0);
    EXPECT_EQ(f.Width(u""), 0);
}

TEST(Text, AlignmentMovesTheReferencePoint) {
    auto draw = [](UINT align, int x, int y) {
        Canvas c(80, 40);
        WithFont f(c.dc(), -12);
        SetBkMode(c.dc(), TRANSPARENT);
        SetTextAlign(c.dc(), align);
        TextOutW(c.dc(), x, y, u"Hg", 2);
        return c.Snapshot();
    };
    Canvas probe(4, 4);
    WithFont f(probe.dc(), -12);
    const int w = f.Width(u"Hg");
    const TEXTMETRICW tm = f.Metrics();
    const auto reference = draw(TA_LEFT | TA_TOP, 20, 10);
    EXPECT_EQ(draw(TA_LEFT | TA_BASELINE, 20, 10 + tm.tmAscent), reference);
    EXPECT_EQ(draw(TA_LEFT | TA_BOTTOM, 20, 10 + tm.tmHeight), reference);
    EXPECT_EQ(draw(TA_RIGHT | TA_TOP, 20 + w, 10), reference);
    EXPECT_EQ(draw(TA_CENTER | TA_TOP, 20 + w / 2, 10), reference);
}

TEST(Text, OpaqueModeFillsExactlyTheCell) {
    Canvas c(40, 30);
    WithFont f(c.dc(), -12);
    SetBkColor(c.dc(), RGB(0, 0, 255));
    SetTextColor(c.dc(), RGB(0, 0, 255));
    TextOutW(c.dc(), 5, 6, u"ab", 2);
    EXPECT_EQ(c.NotEqual(kWhite), RectPoints(5, 6, 5 + f.Width(u"ab"), 6 + f.Metrics().tmHeight));
}

TEST(Text, GlyphsAreGreyAntialiasedAndDeterministic) {
    auto render = [] {
        Canvas c(120, 30);
        WithFont f(c.dc(), -16);
        SetBkMode(c.dc(), TRANSPARENT);
        TextOutW(c.dc(), 2, 2, u"Pressure 10\u00B2", 11);
        return c.Snapshot();
    };
    const auto first = render();
    EXPECT_EQ(render(), first);
    int black = 0, grey = 0;
    for (gdi::Pixel p : first) {
        const COLORREF c = gdi::ColorFromPixel(p);
        black += c == kBlack;
        grey += c != kBlack && c != kWhite && GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
    }
    EXPECT_GT(black, 20);
    EXPECT_GT(grey, 20);
}

TEST(ExtTextOut, OpaqueFillsTheRectangleEvenWithoutText) {
    Canvas c(20, 20);
    SetBkMode(c.dc(), TRANSPARENT);
    SetBkColor(c.dc(), RGB(0, 0, 128));
    const RECT r{2, 3, 9, 7};
    EXPECT_TRUE(ExtTextOutW(c.dc(), 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr));
    EXPECT_EQ(c.Where(RGB(0, 0, 128)), RectPoints(2, 3, 9, 7));
    EXPECT_FALSE(ExtTextOutW(c.dc(), 0, 0, ETO_OPAQUE, nullptr, nullptr, 0, nullptr));
}

TEST(ExtTextOut, ClippedKeepsGlyphsInsideTheRectangle) {
    Canvas c(60, 30);
    WithFont f(c.dc(), -16);
    SetBkMode(c.dc(), TRANSPARENT);
    const RECT r{10, 5, 25, 20};
    ExtTextOutW(c.dc(), 4, 4, ETO_CLIPPED, &r, u"WWWW", 4, nullptr);
    const auto changed = c.NotEqual(kWhite);
    EXPECT_FALSE(changed.empty());
    for (const auto& [x, y] : changed)
        EXPECT_TRUE(x >= 10 && x < 25 && y >= 5 && y < 20) << x << "," << y;
}

TEST(Text, UnderlinedFontDrawsABarUnderTheRun) {
    Canvas c(60, 30);
    WithFont f(c.dc(), -12, FW_NORMAL, 1);
    SetBkMode(c.dc(), TRANSPARENT);
    TextOutW(c.dc(), 5, 5, u"\u00A0\u00A0\u00A0", 3); // no-break spaces: only the bar shows
    const auto bar = c.Where(kBlack);
    ASSERT_FALSE(bar.empty());
    const int y = bar.begin()->second;
    EXPECT_GT(y, 5 + f.Metrics().tmAscent - 1);
    EXPECT_EQ(static_cast<int>(bar.size()), f.Width(u"\u00A0\u00A0\u00A0"));
}

TEST(FontPin, AFaceOfAnotherSizeOrHashIsRefused) {
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    const std::string path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    EXPECT_THROW(gdi::FontFace(library, path, 1234, 0xadadfef763426946ull), std::runtime_error);
    EXPECT_THROW(gdi::FontFace(library, path, 759720, 1), std::runtime_error);
    EXPECT_NO_THROW(gdi::FontFace(library, path, 759720, 0xadadfef763426946ull));
    FT_Done_FreeType(library);
}

class DrawText : public ::testing::Test {
protected:
    DrawText() : mCanvas(200, 120), mFont(mCanvas.dc(), -12) {}
    int Calc(const std::u16string& text, RECT& r, UINT format) {
        return DrawTextW(mCanvas.dc(), text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
    }
    Canvas mCanvas;
    WithFont mFont;
};

TEST_F(DrawText, CalcRectOfOneLineBoundsItsExtent) {
    RECT r{10, 20, 11, 21};
    EXPECT_EQ(Calc(u"Volume", r, DT_SINGLELINE), 14);
    EXPECT_EQ(r.right, 10 + mFont.Width(u"Volume"));
    EXPECT_EQ(r.bottom, 20 + 14);
    EXPECT_TRUE(mCanvas.NotEqual(kWhite).empty()) << "DT_CALCRECT draws nothing";
    RECT empty{3, 4, 50, 60};
    EXPECT_EQ(Calc(u"", empty, 0), 0);
    EXPECT_EQ(empty.right, 3);
    EXPECT_EQ(empty.bottom, 4);
}

TEST_F(DrawText, WordBreakWrapsAtBlanksAndKeepsLongWordsWhole) {
    const int w = std::max(mFont.Width(u"alpha beta"), mFont.Width(u"gamma delta"));
    RECT r{0, 0, w, 0};
    EXPECT_EQ(Calc(u"alpha beta gamma delta", r, DT_WORDBREAK), 2 * 14);
    EXPECT_EQ(r.right, w);
    r.right = w - 1;
    EXPECT_EQ(Calc(u"alpha beta gamma delta", r, DT_WORDBREAK), 3 * 14);
    RECT narrow{0, 0, 5, 0};
    EXPECT_EQ(Calc(u"Pressure Volume", narrow, DT_WORDBREAK), 2 * 14);
    EXPECT_EQ(narrow.right, mFont.Width(u"Pressure")) << "the wider word widens the rectangle";
}

TEST_F(DrawText, LineBreaksCountOnceForCrLf) {
    RECT r{0, 0, 200, 0};
    EXPECT_EQ(Calc(u"a\r\nb", r, 0), 2 * 14);
    EXPECT_EQ(Calc(u"a\n\nb", r, 0), 3 * 14);
    EXPECT_EQ(Calc(u"a\r\nb", r, DT_SINGLELINE), 14);
}

TEST_F(DrawText, PrefixIsRemovedUnlessNoPrefix) {
    RECT r{0, 0, 200, 0};
    Calc(u"&Print", r, DT_SINGLELINE);
    EXPECT_EQ(r.right, mFont.Width(u"Print"));
    Calc(u"&Print", r, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(r.right, mFont.Width(u"&Print"));
    Calc(u"A&&B", r, DT_SINGLELINE);
    EXPECT_EQ(r.right, mFont.Width(u"A&B"));
}

TEST_F(DrawText, EllipsisCutsTheLineToFit) {
    RECT r{0, 0, 60, 20};
    Calc(u"Left ventricular pressure", r, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(r.right, 60);
    EXPECT_GT(r.right, mFont.Width(u"..."));
}

// The combo-box item form: single line, vertically centred, ellipsis, clipped.
TEST_F(DrawText, SingleLineCentredWithEllipsisStaysInItsRectangle) {
    SetBkMode(mCanvas.dc(), TRANSPARENT);
    RECT r{10, 10, 70, 40};
    const int result = DrawTextW(mCanvas.dc(), u"  Left ventricular pressure", -1, &r, 0x8024);
    EXPECT_EQ(result, (30 - 14) / 2 + 14);
    const auto changed = mCanvas.NotEqual(kWhite);
    ASSERT_FALSE(changed.empty());
    int top = 1000, bottom = 0;
    for (const auto& [x, y] : changed) {
        EXPECT_TRUE(x >= 10 && x < 70) << x;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    EXPECT_GE(top, 10 + (30 - 14) / 2);
    EXPECT_LT(bottom, 10 + (30 - 14) / 2 + 14);
}

TEST_F(DrawText, CentreAndRightAlignLinesInTheRectangle) {
    SetBkMode(mCanvas.dc(), OPAQUE);
    SetBkColor(mCanvas.dc(), RGB(0, 0, 255));
    SetTextColor(mCanvas.dc(), RGB(0, 0, 255));
    const int w = mFont.Width(u"mid");
    RECT r{0, 0, 100, 14};
    DrawTextW(mCanvas.dc(), u"mid", -1, &r, DT_CENTER | DT_SINGLELINE);
    EXPECT_EQ(mCanvas.NotEqual(kWhite), RectPoints((100 - w) / 2, 0, (100 - w) / 2 + w, 14));
    mCanvas.Clear(kWhite);
    DrawTextW(mCanvas.dc(), u"mid", -1, &r, DT_RIGHT | DT_SINGLELINE);
    EXPECT_EQ(mCanvas.NotEqual(kWhite), RectPoints(100 - w, 0, 100, 14));
}

} // namespace
