// A multi-line edit field that holds and shows UTF-16 text: right after the
// framework has made its ordinary (ANSI) window, the control replaces it by
// an equal Unicode "Edit" window. Its text travels as UTF-16LE bytes in a
// string (two bytes per character, no terminator).
#pragma once

#include <windows.h>

#include <string>

#include "platform/framework/controls.h"

namespace widgets {

class MultiLineEditW : public MultiLineEdit {
public:
    // The private message that asks the control to replace its window.
    static constexpr UINT kRecreateMessage = WM_USER;
    static constexpr WPARAM kRecreateCode = 62;

    // From the owner's dialog template item, or made at a place; either way
    // the window is replaced before the constructor returns.
    MultiLineEditW(Window& owner, int id);
    MultiLineEditW(Window& owner, int id, Point origin, Dimension size, DWORD style);

    LRESULT Dispatch(Event& event) override;
    // Tries the replacement again when it has not happened yet, then shows.
    void Show(int showState = SW_SHOWNORMAL) override;

    // The text as UTF-16LE bytes; empty for an empty field. Without a window,
    // the text the framework keeps for the control.
    std::string Value() const;
    // Sets the UTF-16LE text (an odd last byte is left out); nothing without
    // a window.
    void SetValue(const std::string& utf16le);
    bool IsUnicode() const { return Handle() && IsWindowUnicode(Handle()); }
    bool Recreated() const { return recreated_; }

    // What the replacement makes its window with (CreateWindowExW); tests put
    // a failing one in. Returns the one it replaces.
    using WindowMaker = HWND(WINAPI*)(DWORD, LPCWSTR, LPCWSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                                      LPVOID);
    static WindowMaker SetWindowMaker(WindowMaker maker);

private:
    // Replaces the window by a Unicode one with the same style and frame,
    // place, id, font and the caption the control was made with. A failed
    // creation leaves the old window hidden.
    void Recreate();
    std::string caption_;
    // WS_BORDER when the field was made with a frame: the edit control takes
    // it out of its window's style and draws the frame itself.
    DWORD border_ = 0;
    bool recreated_ = false;
};

}  // namespace widgets
