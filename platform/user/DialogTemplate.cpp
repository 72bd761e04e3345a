#include "platform/user/DialogTemplate.h"

#include <cstring>
#include <utility>

namespace user {
namespace {

constexpr WORD kOrdinal = 0xFFFF;

constexpr std::pair<WORD, const char16_t*> kAtoms[] = {
    {0x0080, u"Button"},  {0x0081, u"Edit"},      {0x0082, u"Static"},
    {0x0083, u"ListBox"}, {0x0084, u"ScrollBar"}, {0x0085, u"ComboBox"},
};

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

class Writer {
public:
    template <class T> void Put(const T& value) {
        const auto* bytes = reinterpret_cast<const BYTE*>(&value);
        mBytes.insert(mBytes.end(), bytes, bytes + sizeof value);
    }
    void PutText(const std::u16string& text) {
        for (char16_t c : text)
            Put(static_cast<WORD>(c));
        Put(WORD{0});
    }
    void AlignToDword() {
        while (mBytes.size() % 4 != 0)
            mBytes.push_back(0);
    }
    std::vector<BYTE> Take() { return std::move(mBytes); }

private:
    std::vector<BYTE> mBytes;
};

class Reader {
public:
    Reader(const void* data, std::size_t size) : mAt(static_cast<const BYTE*>(data)), mEnd(mAt + size) {}

    template <class T> bool Get(T& value) {
        if (static_cast<std::size_t>(mEnd - mAt) < sizeof value)
            return false;
        std::memcpy(&value, mAt, sizeof value);
        mAt += sizeof value;
        return true;
    }
    bool GetText(std::u16string& text) {
        for (WORD c = 0; Get(c);) {
            if (c == 0)
                return true;
            text += static_cast<char16_t>(c);
        }
        return false;
    }
    // A class field: 0 (none), an atom, or a name.
    bool GetClass(std::u16string& name) {
        WORD first = 0;
        if (!Get(first))
            return false;
        if (first == 0)
            return true;
        if (first == kOrdinal) {
            WORD atom = 0;
            if (!Get(atom))
                return false;
            for (const auto& [known, text] : kAtoms)
                if (known == atom) {
                    name = text;
                    return true;
                }
            return false;
        }
        name += static_cast<char16_t>(first);
        return GetText(name);
    }
    // A text field that is not an ordinal.
    bool GetPlainText(std::u16string& text) {
        WORD first = 0;
        if (!Get(first) || first == kOrdinal)
            return false;
        if (first == 0)
            return true;
        text += static_cast<char16_t>(first);
        return GetText(text);
    }
    void AlignToDword(const void* start) {
        while ((mAt - static_cast<const BYTE*>(start)) % 4 != 0 && mAt < mEnd)
            ++mAt;
    }

private:
    const BYTE* mAt;
    const BYTE* mEnd;
};

void PutClass(Writer& out, const std::u16string& name) {
    for (const auto& [atom, text] : kAtoms)
        if (SameName(name, text)) {
            out.Put(kOrdinal);
            out.Put(atom);
            return;
        }
    out.PutText(name);
}

} // namespace

std::vector<BYTE> DialogTemplate::Build() const {
    Writer out;
    const DWORD fullStyle = fontFace.empty() ? style : style | DS_SETFONT;
    out.Put(DLGTEMPLATE{fullStyle, exStyle, static_cast<WORD>(items.size()), x, y, cx, cy});
    out.Put(WORD{0}); // no menu
    if (className.empty())
        out.Put(WORD{0});
    else
        out.PutText(className);
    out.PutText(caption);
    if ((fullStyle & DS_SETFONT) != 0) {
        out.Put(pointSize);
        out.PutText(fontFace);
    }
    for (const DialogItem& item : items) {
        out.AlignToDword();
        out.Put(DLGITEMTEMPLATE{item.style, item.exStyle, item.x, item.y, item.cx, item.cy, item.id});
        PutClass(out, item.className);
        out.PutText(item.text);
        out.Put(WORD{0}); // no creation data
    }
    return out.Take();
}

std::optional<DialogTemplate> DialogTemplate::Read(const void* data, std::size_t size) {
    Reader in(data, size);
    DLGTEMPLATE head{};
    DialogTemplate t;
    WORD menu = 1;
    if (!in.Get(head) || !in.Get(menu) || menu != 0 || !in.GetClass(t.className) ||
        !in.GetPlainText(t.caption))
        return std::nullopt;
    t.style = head.style;
    t.exStyle = head.dwExtendedStyle;
    t.x = head.x;
    t.y = head.y;
    t.cx = head.cx;
    t.cy = head.cy;
    if ((head.style & DS_SETFONT) != 0 && (!in.Get(t.pointSize) || !in.GetText(t.fontFace)))
        return std::nullopt;
    for (WORD i = 0; i < head.cdit; ++i) {
        in.AlignToDword(data);
        DLGITEMTEMPLATE item{};
        DialogItem d;
        WORD extra = 0;
        if (!in.Get(item) || !in.GetClass(d.className) || !in.GetPlainText(d.text) || !in.Get(extra))
            return std::nullopt;
        for (WORD skipped = 0; skipped < extra; ++skipped)
            if (BYTE b = 0; !in.Get(b))
                return std::nullopt;
        d.style = item.style;
        d.exStyle = item.dwExtendedStyle;
        d.x = item.x;
        d.y = item.y;
        d.cx = item.cx;
        d.cy = item.cy;
        d.id = item.id;
        t.items.push_back(std::move(d));
    }
    return t;
}

} // namespace user
