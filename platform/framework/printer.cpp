#include "platform/framework/printer.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/framework/seam.h"
#include "platform/framework/window.h"

namespace {

// A movable global memory block holding a copy of some bytes.
HGLOBAL GlobalCopy(const void* data, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block) {
        memcpy(GlobalLock(block), data, size);
        GlobalUnlock(block);
    }
    return block;
}

HGLOBAL MakeDevNames(const std::string& device, const std::string& driver, const std::string& port)
{
    std::vector<char> names(sizeof(DEVNAMES));
    auto append = [&names](const std::string& text) {
        WORD offset = static_cast<WORD>(names.size());
        names.insert(names.end(), text.begin(), text.end());
        names.push_back('\0');
        return offset;
    };
    DEVNAMES header{};
    header.wDriverOffset = append(driver);
    header.wDeviceOffset = append(device);
    header.wOutputOffset = append(port);
    memcpy(names.data(), &header, sizeof header);
    return GlobalCopy(names.data(), names.size());
}

}  // namespace

PrintingDevice::PrintingDevice()
{
    mode_.dmSize = sizeof mode_;
    mode_.dmCopies = 1;
    mode_.dmOrientation = DMORIENT_PORTRAIT;
    Select(TheSeam().DefaultPrinter());
}

PrintingDevice::PrintingDevice(const std::string& deviceDriverPort)
{
    mode_.dmSize = sizeof mode_;
    mode_.dmCopies = 1;
    mode_.dmOrientation = DMORIENT_PORTRAIT;
    Select(deviceDriverPort);
}

void PrintingDevice::Select(const std::string& deviceDriverPort)
{
    size_t first = deviceDriverPort.find(',');
    size_t second = first == std::string::npos ? std::string::npos : deviceDriverPort.find(',', first + 1);
    device_ = deviceDriverPort.substr(0, first);
    driver_ = first == std::string::npos ? "" : deviceDriverPort.substr(first + 1, second - first - 1);
    port_ = second == std::string::npos ? "" : deviceDriverPort.substr(second + 1);
    strncpy(reinterpret_cast<char*>(mode_.dmDeviceName), device_.c_str(), CCHDEVICENAME - 1);
}

void PrintingDevice::SetCopies(int copies)
{
    mode_.dmCopies = static_cast<short>(copies);
    mode_.dmFields |= DM_COPIES;
}

void PrintingDevice::SetOrientation(int orientation)
{
    mode_.dmOrientation = static_cast<short>(orientation);
    mode_.dmFields |= DM_ORIENTATION;
}

void PrintingDevice::SetPaperSize(int paperSize)
{
    mode_.dmPaperSize = static_cast<short>(paperSize);
    mode_.dmFields |= DM_PAPERSIZE;
}

void PrintingDevice::SetPaperWidth(int width)
{
    mode_.dmPaperWidth = static_cast<short>(width);
    mode_.dmFields |= DM_PAPERWIDTH;
}

void PrintingDevice::SetPaperHeight(int height)
{
    mode_.dmPaperLength = static_cast<short>(height);
    mode_.dmFields |= DM_PAPERLENGTH;
}

bool PrintingDevice::Setup(Window* owner)
{
    PRINTDLGA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner ? owner->Handle() : nullptr;
    request.Flags = PD_PRINTSETUP;
    request.hDevMode = GlobalCopy(&mode_, sizeof mode_);
    request.hDevNames = MakeDevNames(device_, driver_, port_);
    bool confirmed = TheSeam().PrintSetup(request);
    if (confirmed && request.hDevNames) {
        auto* names = static_cast<const DEVNAMES*>(GlobalLock(request.hDevNames));
        const char* base = reinterpret_cast<const char*>(names);
        Select(std::string(base + names->wDeviceOffset) + "," + (base + names->wDriverOffset) + "," +
               (base + names->wOutputOffset));
        GlobalUnlock(request.hDevNames);
    }
    if (confirmed && request.hDevMode) {
        auto* mode = static_cast<const DEVMODEA*>(GlobalLock(request.hDevMode));
        memcpy(&mode_, mode, std::min<size_t>(sizeof mode_, mode->dmSize));
        mode_.dmSize = sizeof mode_;
        mode_.dmDriverExtra = 0;
        GlobalUnlock(request.hDevMode);
    }
    GlobalFree(request.hDevMode);
    GlobalFree(request.hDevNames);
    return confirmed;
}

HDC PrintingDevice::CreateDC() const
{
    return IsValid() ? TheSeam().CreatePrinterDC(driver_, device_, &mode_) : nullptr;
}

Printer::Printer(const std::string& jobName, const PrintingDevice& device) : jobName_(jobName), dc_(device.CreateDC())
{
}

Printer::~Printer()
{
    Destroy();
}

void Printer::Destroy()
{
    if (dc_) {
        SelectObject(dc_, GetStockObject(SYSTEM_FONT));
        DeleteDC(dc_);
    }
    dc_ = nullptr;
}

BoundingBox Printer::CanvasArea() const
{
    if (!dc_) return {};
    return {{0, 0}, {GetDeviceCaps(dc_, HORZRES), GetDeviceCaps(dc_, VERTRES)}};
}

bool Printer::Start()
{
    Seam& seam = TheSeam();
    if (!dc_ || seam.StartDocument(dc_, jobName_) <= 0) return false;
    for (int page = 1;; ++page) {
        if (seam.StartPage(dc_) <= 0) {
            seam.AbortDocument(dc_);
            return false;
        }
        if (printerFont_.Handle()) SelectObject(dc_, printerFont_.Handle());
        PrinterExposeEvent event{page, CanvasArea()};
        bool more = PrinterExpose(event);
        if (seam.EndPage(dc_) <= 0) {
            seam.AbortDocument(dc_);
            return false;
        }
        if (!more) break;
    }
    return seam.EndDocument(dc_) > 0;
}

bool Printer::PrinterExpose(PrinterExposeEvent&)
{
    return false;
}

void Printer::SetFont(const ::Font& font)
{
    font_ = font;
    LOGFONTA attributes = font.GetLogFontStruct();
    if (dc_) attributes.lfHeight = -MulDiv(font.PointSize(), GetDeviceCaps(dc_, LOGPIXELSY), 72);
    printerFont_ = ::Font(attributes);
    if (dc_) SelectObject(dc_, printerFont_.Handle());
}

void Printer::TextPrint(const std::string& text, Point at)
{
    if (!dc_) return;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    SetBkMode(dc_, TRANSPARENT);
    TextOutA(dc_, at.x, CanvasArea().Height() - at.y - metrics.tmHeight, text.c_str(), static_cast<int>(text.size()));
}

Dimension Printer::SizeText(const std::string& text) const
{
    SIZE size{};
    if (dc_) GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

namespace {

// One page with a picture, scaled to the page's width or height.
class PicturePrint : public Printer {
public:
    PicturePrint(const std::string& jobName, const PrintingDevice& device, HBITMAP picture, Dimension size)
        : Printer(jobName, device),
          picture_(picture),
          size_(size)
    {
    }
    bool PrinterExpose(PrinterExposeEvent& event) override
    {
        BoundingBox page = event.ExposedArea();
        if (size_.width <= 0 || size_.height <= 0) return false;
        double scale = std::min(static_cast<double>(page.Width()) / size_.width,
                                static_cast<double>(page.Height()) / size_.height);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size_.width;
        info.bmiHeader.biHeight = size_.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        std::vector<BYTE> bits(((size_.width * 3 + 3) & ~3) * size_.height);
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, picture_, 0, size_.height, bits.data(), &info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        StretchDIBits(Handle(), 0, 0, static_cast<int>(size_.width * scale), static_cast<int>(size_.height * scale), 0,
                      0, size_.width, size_.height, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
        return false;
    }

private:
    HBITMAP picture_;
    Dimension size_;
};

}  // namespace

bool Window::Print(const PrintingDevice& device, const std::string& jobName)
{
    BoundingBox canvas = CanvasArea();
    HDC windowDC = GetDC(hwnd_);
    HDC memory = CreateCompatibleDC(windowDC);
    HBITMAP picture = CreateCompatibleBitmap(windowDC, canvas.Width(), canvas.Height());
    HGDIOBJ before = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, canvas.Width(), canvas.Height(), windowDC, 0, 0, SRCCOPY);
    SelectObject(memory, before);
    DeleteDC(memory);
    ReleaseDC(hwnd_, windowDC);
    PicturePrint job(jobName.empty() ? Caption() : jobName, device, picture, canvas.Extent());
    bool printed = job.Start();
    DeleteObject(picture);
    return printed;
}
