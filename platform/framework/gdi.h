// Colours and the GDI and USER objects that windows and controls use: brushes,
// pens, fonts, bitmaps, icons and mouse pointers. Each object that owns a
// handle releases it when the last copy of it goes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/framework/geometry.h"

// An RGB colour.
class Color {
public:
    constexpr Color() = default;
    constexpr Color(int red, int green, int blue) : value_(RGB(red, green, blue)) {}
    static constexpr Color FromColorRef(COLORREF value)
    {
        Color c;
        c.value_ = value;
        return c;
    }
    constexpr int Red() const { return GetRValue(value_); }
    constexpr int Green() const { return GetGValue(value_); }
    constexpr int Blue() const { return GetBValue(value_); }
    constexpr COLORREF ColorRef() const { return value_; }
    friend constexpr bool operator==(const Color&, const Color&) = default;

private:
    COLORREF value_ = 0;
};

// A shared GDI object handle, deleted when the last holder lets go; stock
// objects are held without being deleted.
class GdiHandle {
public:
    GdiHandle() = default;
    GdiHandle(HGDIOBJ handle, bool owned);
    HGDIOBJ Get() const { return handle_ ? *handle_ : nullptr; }

private:
    std::shared_ptr<HGDIOBJ> handle_;
};

// A solid brush of a colour, or one of the system's stock brushes.
class Brush {
public:
    Brush() = default;
    explicit Brush(Color color);
    // A stock brush by its GetStockObject number (4 is the black brush).
    static Brush Stock(int stockObject);
    HBRUSH Handle() const { return static_cast<HBRUSH>(handle_.Get()); }
    bool IsNull() const { return Handle() == nullptr; }

private:
    GdiHandle handle_;
};

// A cosmetic pen.
class Pen {
public:
    Pen() = default;
    Pen(Color color, int width = 1, int style = PS_SOLID);
    HPEN Handle() const { return static_cast<HPEN>(handle_.Get()); }

private:
    GdiHandle handle_;
};

// A font, kept as the attributes it is made from; the GDI font is made when
// it is first needed and shared by the copies of the object.
class Font {
public:
    Font() = default;
    // A font of a point size on the screen and a face name.
    Font(int pointSize, const std::string& faceName);
    explicit Font(const LOGFONTA& attributes);
    // A font of a width and height in pixels (as LOGFONT takes them: a
    // negative height is a character height; width 0 the face's own) and a
    // face name, of no particular family.
    Font(Dimension pixelSize, const std::string& faceName);

    void Bold(bool bold);
    // Light (FW_LIGHT) or, when false, normal weight.
    void Light(bool light);
    bool IsBold() const { return attributes_.lfWeight >= FW_BOLD; }
    void Italic(bool italic);
    void Underline(bool underline);
    int PointSize() const { return pointSize_; }
    std::string FaceName() const { return attributes_.lfFaceName; }
    // The width and height kept for the font, as GetLogFontStruct gives them.
    int Width2() const { return attributes_.lfWidth; }
    int Height2() const { return attributes_.lfHeight; }
    // The attributes as a LOGFONT record of the caller's own.
    LOGFONTA GetLogFontStruct() const { return attributes_; }

    HFONT Handle() const;
    // True for the same font: this one or a copy of it, neither changed since.
    bool IsSame(const Font& other) const { return handle_ == other.handle_; }

private:
    void Changed();
    LOGFONTA attributes_{};
    int pointSize_ = 0;
    // Shared by the copies, even when the GDI font is made after copying.
    std::shared_ptr<GdiHandle> handle_ = std::make_shared<GdiHandle>();
};

// A bitmap loaded from the program's resources by name.
class Bitmap {
public:
    Bitmap() = default;
    // A bitmap resource of the program, loaded with LoadImage's options.
    explicit Bitmap(const std::string& resourceName, UINT loadOptions = LR_CREATEDIBSECTION);
    // A bitmap object that takes over a bitmap handle and deletes it with its
    // last copy.
    static Bitmap Adopt(HBITMAP handle);
    HBITMAP Handle() const { return static_cast<HBITMAP>(handle_.Get()); }
    Dimension Size() const;

private:
    GdiHandle handle_;
};

// A shared icon or cursor handle of USER, destroyed with the last holder
// unless it is one of the system's shared images.
class UserHandle {
public:
    UserHandle() = default;
    UserHandle(HANDLE handle, bool owned, bool cursor);
    HANDLE Get() const { return handle_ ? *handle_ : nullptr; }

private:
    std::shared_ptr<HANDLE> handle_;
};

// An icon loaded from the program's resources by name.
class Icon {
public:
    Icon() = default;
    // Loads the icon resource; a size of 0 takes the system's icon size.
    explicit Icon(const std::string& resourceName, int size = 0);
    // The program's icon resource of that number, else the system's icon of
    // that id (IDI_QUESTION and so on).
    explicit Icon(int number);
    HICON Handle() const { return static_cast<HICON>(handle_.Get()); }

private:
    UserHandle handle_;
};

// A mouse pointer: a system cursor or a cursor resource of the program.
class Pointer {
public:
    Pointer() = default;
    // A system cursor (IDC_ARROW, IDC_WAIT, ...).
    static Pointer System(LPCSTR id);
    explicit Pointer(const std::string& resourceName);
    HCURSOR Handle() const { return static_cast<HCURSOR>(handle_.Get()); }

private:
    UserHandle handle_;
};
