#include "platform/framework/gdi.h"

#include <cstring>

namespace {

HINSTANCE ProgramModule()
{
    return GetModuleHandleA(nullptr);
}

int ScreenPixelsPerInch()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

GdiHandle::GdiHandle(HGDIOBJ handle, bool owned)
{
    if (!handle) return;
    if (owned)
        handle_ = std::shared_ptr<HGDIOBJ>(new HGDIOBJ(handle), [](HGDIOBJ* h) {
            DeleteObject(*h);
            delete h;
        });
    else
        handle_ = std::make_shared<HGDIOBJ>(handle);
}

Brush::Brush(Color color) : handle_(CreateSolidBrush(color.ColorRef()), true)
{
}

Brush Brush::Stock(int stockObject)
{
    Brush brush;
    brush.handle_ = GdiHandle(GetStockObject(stockObject), false);
    return brush;
}

Pen::Pen(Color color, int width, int style) : handle_(CreatePen(style, width, color.ColorRef()), true)
{
}

Font::Font(int pointSize, const std::string& faceName) : pointSize_(pointSize)
{
    attributes_.lfHeight = -MulDiv(pointSize, ScreenPixelsPerInch(), 72);
    attributes_.lfWeight = FW_NORMAL;
    attributes_.lfCharSet = DEFAULT_CHARSET;
    attributes_.lfOutPrecision = OUT_DEFAULT_PRECIS;
    attributes_.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    attributes_.lfQuality = DEFAULT_QUALITY;
    attributes_.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    strncpy(attributes_.lfFaceName, faceName.c_str(), LF_FACESIZE - 1);
}

Font::Font(const LOGFONTA& attributes) : attributes_(attributes)
{
    attributes_.lfFaceName[LF_FACESIZE - 1] = '\0';
    pointSize_ =
        MulDiv(attributes.lfHeight < 0 ? -attributes.lfHeight : attributes.lfHeight, 72, ScreenPixelsPerInch());
}

Font::Font(Dimension pixelSize, const std::string& faceName)
    : Font(MulDiv(pixelSize.height < 0 ? -pixelSize.height : pixelSize.height, 72, ScreenPixelsPerInch()), faceName)
{
    attributes_.lfWidth = pixelSize.width;
    attributes_.lfHeight = pixelSize.height;
}

void Font::Light(bool light)
{
    attributes_.lfWeight = light ? FW_LIGHT : FW_NORMAL;
    Changed();
}

void Font::Bold(bool bold)
{
    attributes_.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    Changed();
}

void Font::Italic(bool italic)
{
    attributes_.lfItalic = italic;
    Changed();
}

void Font::Underline(bool underline)
{
    attributes_.lfUnderline = underline;
    Changed();
}

void Font::Changed()
{
    handle_ = std::make_shared<GdiHandle>();
}

HFONT Font::Handle() const
{
    if (!handle_->Get()) *handle_ = GdiHandle(CreateFontIndirectA(&attributes_), true);
    return static_cast<HFONT>(handle_->Get());
}

Bitmap::Bitmap(const std::string& resourceName, UINT loadOptions)
    : handle_(LoadImageA(ProgramModule(), resourceName.c_str(), IMAGE_BITMAP, 0, 0, loadOptions), true)
{
}

Bitmap Bitmap::Adopt(HBITMAP handle)
{
    Bitmap bitmap;
    bitmap.handle_ = GdiHandle(handle, true);
    return bitmap;
}

Dimension Bitmap::Size() const
{
    BITMAP info{};
    if (!Handle() || !GetObjectA(Handle(), sizeof info, &info)) return {};
    return {info.bmWidth, info.bmHeight};
}

UserHandle::UserHandle(HANDLE handle, bool owned, bool cursor)
{
    if (!handle) return;
    if (owned)
        handle_ = std::shared_ptr<HANDLE>(new HANDLE(handle), [cursor](HANDLE* h) {
            if (cursor)
                DestroyCursor(static_cast<HCURSOR>(*h));
            else
                DestroyIcon(static_cast<HICON>(*h));
            delete h;
        });
    else
        handle_ = std::make_shared<HANDLE>(handle);
}

Icon::Icon(const std::string& resourceName, int size)
    : handle_(LoadImageA(ProgramModule(), resourceName.c_str(), IMAGE_ICON, size, size, size ? 0 : LR_DEFAULTSIZE),
              true, false)
{
}

namespace {

// The program's icon of that number (owned), or the system's shared one.
UserHandle NumberedIcon(int number)
{
    if (number <= 0 || number > 0xFFFF) return {};
    LPCSTR id = MAKEINTRESOURCEA(number);
    if (HANDLE own = LoadImageA(ProgramModule(), id, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)) return {own, true, false};
    return {LoadIconA(nullptr, id), false, false};
}

}  // namespace

Icon::Icon(int number) : handle_(NumberedIcon(number))
{
}

Pointer Pointer::System(LPCSTR id)
{
    Pointer pointer;
    pointer.handle_ = UserHandle(LoadCursorA(nullptr, id), false, true);
    return pointer;
}

Pointer::Pointer(const std::string& resourceName)
    : handle_(LoadImageA(ProgramModule(), resourceName.c_str(), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE), true, true)
{
}
