#pragma once
// The flags of a client's cell (ITableDataManager::GetCellFlags) as the grid
// and its renderer read them.

#include <cstdint>

#include "platform/win32/types.h"

namespace TVF_Grid {

inline constexpr DWORD kEditableByClick = 0x2;       // for a choice cell also: its choice is shown
inline constexpr DWORD kEditableByDoubleClick = 0x4; // with edit-as-text
inline constexpr DWORD kChoiceCell = 0x8;            // the text is an index into the choice list
inline constexpr DWORD kTitleCell = 0x10;            // a column title in row 0; bold in a data cell
inline constexpr DWORD kNoChoice = 0x80;             // "<Select Channel>"; an edit field starts empty
inline constexpr DWORD kEmptyCell = 0x100;
inline constexpr DWORD kTabMovesDown = 0x800;
inline constexpr DWORD kIndented = 0x1000;
inline constexpr DWORD kAccentText = 0x4000;
// Typing opens an editor on a cell with any of these; a click with any of the second.
inline constexpr DWORD kOpensOnTyping = 0xE;
inline constexpr DWORD kOpensOnClick = 0xA;
// A choice text that is no number.
inline constexpr std::uint32_t kNotAListIndex = 0x80000001;

} // namespace TVF_Grid
