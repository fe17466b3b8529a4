// Drives the dialogs of another process from a test, the way a user would:
// find a window by its title, read its controls, click, scroll, press Esc,
// close it and wait for it to go. Works across processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace gui {

// Waits for a visible top-level window with exactly this title (of process
// `processId`, or any process when 0). nullptr after the timeout.
HWND WaitForWindow(const std::wstring& title, DWORD processId = 0, DWORD timeoutMs = 15000);

// Any visible top-level dialog window of the process, or nullptr.
HWND FindDialogOf(DWORD processId);

// True once the window is gone (within the timeout).
bool WaitGone(HWND window, DWORD timeoutMs = 15000);

std::wstring Title(HWND window);
std::wstring Text(HWND window);
std::wstring ItemText(HWND dialog, int controlId);
bool IsChecked(HWND dialog, int controlId);
bool IsEnabled(HWND dialog, int controlId);
bool Exists(HWND dialog, int controlId);

// The texts of a window's static controls, in child order (message boxes).
std::vector<std::wstring> StaticTexts(HWND window);

// A button click as the button itself would report it; check boxes and radio
// buttons change their state as on a mouse click.
void Click(HWND dialog, int controlId);

// A scroll request to a control (SB_LINEDOWN, SB_THUMBPOSITION with position...).
void Scroll(HWND dialog, int controlId, int request, int position = 0);
// The vertical thumb of an edit control or the position of a scroll bar.
int ScrollPosition(HWND dialog, int controlId);

void PressEscape(HWND dialog);
void PressKey(HWND dialog, UINT virtualKey);
void CloseBox(HWND dialog);   // the caption's close box

// The control that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window);

// Text of a wide string from UTF-8, for readable expectations in tests.
std::wstring W(const char* utf8);

}  // namespace gui
