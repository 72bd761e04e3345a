// DrawTextW: lines, word breaks, alignment, mnemonic prefixes, tabs and the
// end ellipsis, measured with the same advances as GetTextExtentPoint32W.
//
// Layout: line height tmHeight (no external leading). Without DT_SINGLELINE,
// CR LF, CR and LF each end a line. DT_WORDBREAK breaks at blanks (which are
// dropped at the break); a word wider than the rectangle stays whole, and
// DT_CALCRECT then widens the rectangle to it. DT_CALCRECT sets right to
// left + the widest line and bottom to top + the lines' height and draws
// nothing. DT_VCENTER and DT_BOTTOM apply to single lines only. "&x" draws x
// underlined, "&&" draws "&", unless DT_NOPREFIX. DT_EXPANDTABS puts tab stops
// every 8 average character widths. DT_END_ELLIPSIS cuts a line that does not
// fit and ends it with "...". Unless DT_NOCLIP, output stays inside the
// rectangle. Empty text returns 0 and, with DT_CALCRECT, an empty rectangle
// at the top-left corner.

#include <algorithm>
#include <limits>

#include "platform/gdi/internal.h"
#include "platform/gdi/saturate.h"

using namespace gdi;

namespace {

struct Line {
    std::u16string text;
    std::vector<bool> underline; // per UTF-16 unit
};

Line StripPrefixes(std::u16string_view in, bool prefixes) {
    Line out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        bool mark = false;
        if (prefixes && in[i] == u'&') {
            if (++i == in.size())
                break;
            mark = in[i] != u'&';
        }
        out.text.push_back(in[i]);
        out.underline.push_back(mark);
    }
    return out;
}

Line Slice(const Line& l, std::size_t from, std::size_t to) {
    return Line{l.text.substr(from, to - from),
                std::vector<bool>(l.underline.begin() + static_cast<std::ptrdiff_t>(from),
                                  l.underline.begin() + static_cast<std::ptrdiff_t>(to))};
}

class Layout {
public:
    Layout(FontObject& font, UINT format) : mFont(font) {
        if (format & DT_EXPANDTABS)
            mTabStop = std::max(1, 8 * static_cast<int>(font.Metrics().tmAveCharWidth));
    }

    int Width(std::u16string_view text) const { return Walk(text, nullptr, 0, 0); }

    // Draws with the cell's top-left at device (x, top).
    void Draw(DeviceContext& dc, Raster& raster, const Line& line, std::int64_t x, std::int64_t top) const {
        Walk(line.text, &dc, x, top, &raster, &line.underline);
    }

    std::vector<std::pair<std::size_t, std::size_t>> Wrap(std::u16string_view p, int width) const;

private:
    int Walk(std::u16string_view text, DeviceContext* dc, std::int64_t x, std::int64_t top,
             Raster* raster = nullptr, const std::vector<bool>* underline = nullptr) const;

    FontObject& mFont;
    int mTabStop = 0;
};

int Layout::Walk(std::u16string_view text, DeviceContext* dc, std::int64_t x, std::int64_t top,
                 Raster* raster, const std::vector<bool>* underline) const {
    int pen = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = mTabStop ? text.find(u'\t', start) : std::u16string_view::npos;
        if (end == std::u16string_view::npos)
            end = text.size();
        const GlyphRun run(mFont, text.substr(start, end - start));
        if (dc) {
            DrawTextCell(*dc, *raster, run, x + pen, top);
            for (std::size_t i = 0; i < run.Size(); ++i)
                if ((*underline)[start + run.Unit(i)])
                    run.Underline(*raster, x + pen, top + mFont.Metrics().tmAscent, dc->State().textColor, i,
                                  i + 1);
        }
        pen += run.Width();
        if (end == text.size())
            break;
        pen = (pen / mTabStop + 1) * mTabStop;
        start = end + 1;
    }
    return pen;
}

// Lines [begin, end) of one paragraph broken at blanks to fit width.
std::vector<std::pair<std::size_t, std::size_t>> Layout::Wrap(std::u16string_view p, int width) const {
    std::vector<std::pair<std::size_t, std::size_t>> out;
    std::size_t pos = 0;
    do {
        std::size_t lineEnd = pos;
        std::size_t next = p.size();
        bool any = false;
        for (std::size_t i = pos; i < p.size();) {
            std::size_t wordEnd = i;
            while (wordEnd < p.size() && p[wordEnd] != u' ')
                ++wordEnd;
            if (wordEnd > i) {
                if (any && Width(p.substr(pos, wordEnd - pos)) > width) {
                    next = i;
                    break;
                }
                any = true;
            }
            lineEnd = wordEnd;
            i = wordEnd;
            while (i < p.size() && p[i] == u' ')
                ++i;
            next = i;
        }
        out.emplace_back(pos, lineEnd);
        pos = next;
    } while (pos < p.size());
    return out;
}

std::vector<Line> Paragraphs(const Line& all, bool single) {
    std::vector<Line> out;
    if (single)
        return {all};
    std::size_t start = 0;
    for (std::size_t i = 0; i <= all.text.size(); ++i) {
        if (i < all.text.size() && all.text[i] != u'\r' && all.text[i] != u'\n')
            continue;
        out.push_back(Slice(all, start, i));
        if (i + 1 < all.text.size() && all.text[i] == u'\r' && all.text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return out;
}

void Ellipsize(const Layout& layout, Line& line, int width) {
    if (layout.Width(line.text) <= width)
        return;
    const int ellipsis = layout.Width(u"...");
    while (!line.text.empty() && layout.Width(line.text) + ellipsis > width) {
        const bool pair = line.text.size() >= 2 && line.text.back() >= 0xDC00 && line.text.back() <= 0xDFFF;
        const std::size_t cut = pair ? 2 : 1;
        line.text.resize(line.text.size() - cut);
        line.underline.resize(line.underline.size() - cut);
    }
    line.text += u"...";
    line.underline.insert(line.underline.end(), 3, false);
}

std::vector<Line> BuildLines(const Layout& layout, std::u16string_view text, const RECT& r, UINT format) {
    const int width =
        static_cast<int>(std::clamp<std::int64_t>(Width(r), 0, std::numeric_limits<int>::max()));
    const Line all = StripPrefixes(text, !(format & DT_NOPREFIX));
    std::vector<Line> lines;
    for (const Line& p : Paragraphs(all, format & DT_SINGLELINE)) {
        if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
            lines.push_back(p);
            continue;
        }
        for (auto [begin, end] : layout.Wrap(p.text, width))
            lines.push_back(Slice(p, begin, end));
    }
    if (format & DT_END_ELLIPSIS)
        for (Line& l : lines)
            Ellipsize(layout, l, width);
    return lines;
}

std::int64_t LineLeft(const RECT& r, int lineWidth, UINT format) {
    if (format & DT_CENTER)
        return r.left + (Width(r) - lineWidth) / 2;
    if (format & DT_RIGHT)
        return r.right - lineWidth;
    return r.left;
}

std::int64_t FirstTop(const RECT& r, int height, int lineHeight, UINT format) {
    if (!(format & DT_SINGLELINE))
        return r.top;
    if (format & DT_VCENTER)
        return r.top + (Height(r) - lineHeight) / 2;
    if (format & DT_BOTTOM)
        return r.bottom - lineHeight;
    return r.top;
}

} // namespace

int DrawTextW(HDC dc, LPCWSTR text, int count, RECT* rect, UINT format) {
    DeviceContext* c = DcOf(dc);
    if (!c || !rect || (count != 0 && !text))
        return 0;
    const std::u16string_view chars = TextArg(text, count);
    if (!(format & DT_CALCRECT))
        Record(*c, "DrawTextW", {rect->left, rect->top, rect->right, rect->bottom, format},
               std::u16string(chars));
    if (chars.empty()) {
        if (format & DT_CALCRECT)
            *rect = RECT{rect->left, rect->top, rect->left, rect->top};
        return 0;
    }
    FontObject& font = *c->State().font.object;
    const int lineHeight = font.Metrics().tmHeight;
    const Layout layout(font, format);
    const std::vector<Line> lines = BuildLines(layout, chars, *rect, format);
    const int height = static_cast<int>(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& l : lines)
            widest = std::max(widest, layout.Width(l.text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    Raster raster(*c);
    if (!(format & DT_NOCLIP))
        raster.Limit(c->ToDevice(*rect));
    const POINT offset = c->DeviceOffset();
    std::int64_t top = FirstTop(*rect, height, lineHeight, format);
    const std::int64_t firstTop = top;
    for (const Line& l : lines) {
        layout.Draw(*c, raster, l, LineLeft(*rect, layout.Width(l.text), format) + offset.x, top + offset.y);
        top += lineHeight;
    }
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)))
        return static_cast<int>(firstTop - rect->top + height);
    return height;
}
