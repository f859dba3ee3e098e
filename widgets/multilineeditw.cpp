#include "widgets/multilineeditw.h"

#include <commctrl.h>

#include <utility>
#include <vector>

namespace widgets {

namespace {

MultiLineEditW::WindowMaker gWindowMaker = CreateWindowExW;

std::wstring Wide(const std::string& ansi)
{
    if (ansi.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
    return wide;
}

}  // namespace

MultiLineEditW::WindowMaker MultiLineEditW::SetWindowMaker(WindowMaker maker)
{
    return std::exchange(gWindowMaker, maker);
}

MultiLineEditW::MultiLineEditW(Window& owner, int id) : MultiLineEdit(owner, id), caption_(Caption())
{
    if (Handle()) SendMessageA(Handle(), kRecreateMessage, kRecreateCode, 0);
}

MultiLineEditW::MultiLineEditW(Window& owner, int id, Point origin, Dimension size, DWORD style)
    : MultiLineEdit(owner, id, "Edit", style | ES_MULTILINE, origin, size),
      caption_(Caption()),
      border_(style & WS_BORDER)
{
    if (Handle()) SendMessageA(Handle(), kRecreateMessage, kRecreateCode, 0);
}

LRESULT MultiLineEditW::Dispatch(Event& event)
{
    if (event.message == kRecreateMessage && event.wParam == kRecreateCode && Handle()) {
        Recreate();
        return 0;
    }
    return MultiLineEdit::Dispatch(event);
}

void MultiLineEditW::Show(int showState)
{
    if (!recreated_) Recreate();
    MultiLineEdit::Show(showState);
}

void MultiLineEditW::Recreate()
{
    HWND old = Handle();
    if (!old) return;
    ShowWindow(old, SW_HIDE);
    const auto style = static_cast<DWORD>(GetWindowLongA(old, GWL_STYLE)) | border_;
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(old, GWL_EXSTYLE));
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(old, GWLP_HINSTANCE));
    HWND parent = GetParent(old);
    const auto id = static_cast<INT_PTR>(GetWindowLongPtrA(old, GWLP_ID));
    auto font = reinterpret_cast<WPARAM>(reinterpret_cast<HFONT>(SendMessageA(old, WM_GETFONT, 0, 0)));
    const std::wstring caption = Wide(caption_);

    RECT place{};
    GetWindowRect(old, &place);
    POINT origin{0, 0};
    ClientToScreen(parent, &origin);
    HWND made = gWindowMaker(exStyle, L"Edit", caption.c_str(), style, place.left - origin.x, place.top - origin.y,
                             place.right - place.left, place.bottom - place.top, parent, reinterpret_cast<HMENU>(id),
                             instance, nullptr);
    if (!made) return;
    SendMessageW(made, CCM_SETUNICODEFORMAT, TRUE, 0);
    Rebind(made);
    DestroyWindow(old);
    SendMessageW(made, WM_SETFONT, font, 1);
    SetWindowTextW(made, caption.c_str());
    ShowWindow(made, SW_SHOWNORMAL);
    recreated_ = true;
}

std::string MultiLineEditW::Value() const
{
    if (!Handle()) return Caption();
    const int length = GetWindowTextLengthW(Handle());
    if (length <= 0) return "";
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    const int count = GetWindowTextW(Handle(), text.data(), length + 1);
    if (count < 0 || count > length) return "";
    return std::string(reinterpret_cast<const char*>(text.data()), static_cast<size_t>(count) * 2);
}

void MultiLineEditW::SetValue(const std::string& utf16le)
{
    if (!Handle()) return;
    std::wstring text(utf16le.size() / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(utf16le[2 * i]) |
                                       static_cast<unsigned char>(utf16le[2 * i + 1]) << 8);
    SetWindowTextW(Handle(), text.c_str());
}

}  // namespace widgets
