// The Unicode multi-line edit: the window replaced at once from the caption,
// UTF-16LE text both ways, the framework finding the control by its new
// window, a failed replacement tried again at Show.
#include "widgets/multilineeditw.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/appwindow.h"

namespace {

using widgets::MultiLineEditW;

// The UTF-16LE bytes of a wide text.
std::string Bytes(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

std::wstring WindowTextW(HWND hwnd)
{
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

class FocusOwner : public TopAppWindow {
public:
    FocusOwner()
    {
        SetSize({400, 300});
        Show();
    }
    void EditFocusChange(EditFocusChangeEvent& event) override { focusChanges.push_back(event.gotFocus); }
    std::vector<bool> focusChanges;
};

TEST(MultiLineEditWTest, TheWindowIsReplacedAndTextTravelsAsUtf16)
{
    FocusOwner owner;
    MultiLineEditW field(owner, 101, {10, 10}, {200, 100}, WS_VISIBLE | WS_BORDER);
    EXPECT_TRUE(field.Recreated());
    EXPECT_TRUE(field.IsUnicode());
    EXPECT_EQ(field.Value(), "") << "an empty field";

    const std::wstring text = L"\x03b1\x03b2\x03b3 \x6e2c\x91cf \x00e4\x00df";
    field.SetValue(Bytes(text));
    EXPECT_EQ(WindowTextW(field.Handle()), text);
    EXPECT_EQ(field.Value(), Bytes(text));
    field.SetValue(Bytes(L"ab") + "c");
    EXPECT_EQ(field.Value(), Bytes(L"ab")) << "an odd last byte is left out";

    // The framework delivers the new window's messages to the control.
    EXPECT_EQ(ObjectOfWindowHandle(field.Handle()), &field);
    SetFocus(field.Handle());
    SetFocus(owner.Handle());
    EXPECT_EQ(owner.focusChanges, (std::vector<bool>{true, false}));
}

TEST(MultiLineEditWTest, EveryReplacementStartsFromTheCaption)
{
    FocusOwner owner;
    // An ANSI field with umlauts of code page 1252, as a template makes it.
    CreateWindowExA(0, "Edit",
                    "Gr\xfc\xdf"
                    "e",
                    WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 10, 200, 100, owner.Handle(),
                    reinterpret_cast<HMENU>(102), nullptr, nullptr);
    MultiLineEditW field(owner, 102);
    HWND first = field.Handle();
    EXPECT_TRUE(field.IsUnicode());
    EXPECT_EQ(WindowTextW(first), L"Gr\x00fc\x00df"
                                  L"e");

    // Typed text is not what a second replacement starts from.
    SetWindowTextW(first, L"\x03a9");
    SendMessageA(first, MultiLineEditW::kRecreateMessage, MultiLineEditW::kRecreateCode, 0);
    HWND second = field.Handle();
    EXPECT_NE(second, first);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(ObjectOfWindowHandle(first), nullptr);
    EXPECT_EQ(ObjectOfWindowHandle(second), &field);
    EXPECT_EQ(WindowTextW(second), L"Gr\x00fc\x00df"
                                   L"e");
    EXPECT_EQ(GetDlgCtrlID(second), 102);
}

// The two outer pixel rings of a window as it draws itself, frame included.
std::vector<COLORREF> FramePixels(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    RECT place{};
    GetWindowRect(hwnd, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    std::vector<COLORREF> pixels;
    HDC dc = GetWindowDC(hwnd);
    for (int ring = 0; ring < 2; ++ring) {
        for (int x = ring; x < width - ring; ++x) {
            pixels.push_back(GetPixel(dc, x, ring));
            pixels.push_back(GetPixel(dc, x, height - 1 - ring));
        }
        for (int y = ring; y < height - ring; ++y) {
            pixels.push_back(GetPixel(dc, ring, y));
            pixels.push_back(GetPixel(dc, width - 1 - ring, y));
        }
    }
    ReleaseDC(hwnd, dc);
    return pixels;
}

TEST(MultiLineEditWTest, TheReplacedFieldKeepsItsFrame)
{
    FocusOwner owner;
    const struct {
        const char* name;
        DWORD style;
        DWORD exStyle;
        // Made by the control at a place, or from a window that exists (as a
        // dialog template's, whose frame the dialog manager makes a client edge).
        bool atPlace;
    } cases[] = {{"border", WS_BORDER, 0, true}, {"no frame", 0, 0, true}, {"client edge", 0, WS_EX_CLIENTEDGE, false}};
    int id = 110;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | c.style;
        HWND plain = CreateWindowExA(c.exStyle, "Edit", "", style, 220, 10, 150, 80, owner.Handle(),
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), nullptr, nullptr);
        std::unique_ptr<MultiLineEditW> field;
        if (c.atPlace) {
            field =
                std::make_unique<MultiLineEditW>(owner, id++, Point{10, 10}, Dimension{150, 80}, WS_VISIBLE | c.style);
        } else {
            CreateWindowExA(c.exStyle, "Edit", "", style, 10, 10, 150, 80, owner.Handle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
            field = std::make_unique<MultiLineEditW>(owner, id++);
        }
        ASSERT_TRUE(field->Recreated());
        const std::vector<COLORREF> frame = FramePixels(plain);
        EXPECT_EQ(FramePixels(field->Handle()), frame);
        if (c.style || c.exStyle) {
            EXPECT_NE(frame.front(), GetSysColor(COLOR_WINDOW)) << "a frame is drawn";
        }
        field->Destroy();
        DestroyWindow(plain);
    }
}

HWND WINAPI NoWindow(DWORD, LPCWSTR, LPCWSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE, LPVOID)
{
    return nullptr;
}

TEST(MultiLineEditWTest, AFailedReplacementStaysHiddenUntilShow)
{
    FocusOwner owner;
    MultiLineEditW::WindowMaker real = MultiLineEditW::SetWindowMaker(NoWindow);
    MultiLineEditW field(owner, 101, {10, 10}, {200, 100}, WS_VISIBLE | WS_BORDER);
    MultiLineEditW::SetWindowMaker(real);
    EXPECT_FALSE(field.Recreated());
    EXPECT_FALSE(IsWindowVisible(field.Handle()));
    field.Show();
    EXPECT_TRUE(field.Recreated());
    EXPECT_TRUE(field.IsUnicode());
    EXPECT_TRUE(IsWindowVisible(field.Handle()));
}

}  // namespace
