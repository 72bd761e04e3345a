#pragma once
// Dialog templates as data: built from a description into the bytes of a
// DLGTEMPLATE (what a module registers as its RT_DIALOG resource), and read
// back from such bytes. The system control classes are written as their atoms
// (0x0080 "Button", 0x0081 "Edit", 0x0082 "Static", 0x0083 "ListBox",
// 0x0084 "ScrollBar", 0x0085 "ComboBox"), other classes by name.

#include <optional>
#include <string>
#include <vector>

#include "platform/user/dialog_api.h"

namespace user {

struct DialogItem {
    std::u16string className; // "Button", "Edit", "Static", "ComboBox" ... or a registered class
    std::u16string text;
    WORD id = 0;
    DWORD style = 0; // WS_CHILD is added when the dialog is made
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD exStyle = 0;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::u16string caption;
    std::u16string className; // empty: the dialog class
    // With DS_SETFONT in style: the font's size in points and face.
    WORD pointSize = 0;
    std::u16string fontFace;
    std::vector<DialogItem> items;

    // The DLGTEMPLATE bytes.
    std::vector<BYTE> Build() const;
    // The template at data, which holds size bytes; nullopt when they end too soon or a field is
    // not one this platform writes (a menu, ordinal texts).
    static std::optional<DialogTemplate> Read(const void* data, std::size_t size);
};

} // namespace user
