#pragma once
// The user's hands, for tests: the pointer, the buttons and the keys. Each
// call changes the input state and queues what the platform would queue (see
// input_api.h); nothing is dispatched until the desktop is pumped, so a test
// (or a script acting as the user while a menu is open) can leave input
// pending. Buttons are VK_LBUTTON, VK_RBUTTON and VK_MBUTTON, the physical
// ones: while SM_SWAPBUTTON is set, the left button gives WM_RBUTTON* messages
// and the right one WM_LBUTTON*.

#include <string_view>

#include "platform/user/input_api.h"

namespace user {

// Moves the pointer to a screen point (a WM_MOUSEMOVE, or WM_NCMOUSEMOVE).
void MoveMouse(POINT screen);
// Moves the pointer to a point of a window's client area.
void MoveMouseTo(HWND hwnd, POINT client);
void PressButton(int button);
void ReleaseButton(int button);
// Moves to the client point, then presses and releases the button.
void Click(HWND hwnd, POINT client, int button = VK_LBUTTON);
// Key down and up, to the focus window; for VK_SHIFT and VK_CONTROL use the
// left- or right-hand key. The pump translates a key-down into its WM_CHAR
// (TranslateMessage).
void KeyDown(int key);
void KeyUp(int key);
void PressKey(int key);
// WM_CHAR for each character, to the focus window.
void TypeText(std::u16string_view text);
// The click on an item of a combo box's open list: the control takes the focus and selects item
// index (a CBN_SELCHANGE to its parent when the selection changes).
void ChooseItem(HWND combo, int index);
// One WM_MOUSEWHEEL to the focus window (delta in multiples of WHEEL_DELTA).
void Wheel(int delta);

} // namespace user
