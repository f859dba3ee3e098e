// Printers and print jobs.
#pragma once

#include <windows.h>

#include <string>

#include "platform/framework/gdi.h"
#include "platform/framework/geometry.h"

class Window;

// A printer with its settings: the default printer, or the one named by a
// "device,driver,port" text. Copies, orientation (1 portrait, 2 landscape)
// and paper (size code, or width and height in tenths of a millimetre) are
// the settings a print job on it uses.
class PrintingDevice {
public:
    PrintingDevice();
    explicit PrintingDevice(const std::string& deviceDriverPort);

    // True when the device names a printer.
    bool IsValid() const { return !device_.empty(); }
    const std::string& Device() const { return device_; }
    const std::string& Driver() const { return driver_; }
    const std::string& Port() const { return port_; }

    int Copies() const { return mode_.dmCopies; }
    void SetCopies(int copies);
    int Orientation() const { return mode_.dmOrientation; }
    void SetOrientation(int orientation);
    int PaperSize() const { return mode_.dmPaperSize; }
    void SetPaperSize(int paperSize);
    int PaperWidth() const { return mode_.dmPaperWidth; }
    void SetPaperWidth(int width);
    int PaperHeight() const { return mode_.dmPaperLength; }
    void SetPaperHeight(int height);

    // The printer set-up dialog; true when the user confirmed, and the
    // device then takes the printer and settings chosen.
    bool Setup(Window* owner = nullptr);

    // A device context for printing with these settings; null when none.
    HDC CreateDC() const;

private:
    void Select(const std::string& deviceDriverPort);
    std::string device_;
    std::string driver_;
    std::string port_;
    DEVMODEA mode_{};
};

// The page a print job asks its PrinterExpose to print: its number from 1
// and the printable area of the page in device pixels.
struct PrinterExposeEvent {
    int pageNo = 0;
    BoundingBox exposedArea;
    int PageNo() const { return pageNo; }
    BoundingBox ExposedArea() const { return exposedArea; }
};

// A print job on a printing device. Start prints page after page, calling
// PrinterExpose for each until it answers that no page follows. Printer
// coordinates are device pixels with y growing upward from the lower edge
// of the printable area.
class Printer {
public:
    Printer(const std::string& jobName, const PrintingDevice& device);
    virtual ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // True when the job has a printer to print on.
    bool IsValid() const { return dc_ != nullptr; }
    HDC Handle() const { return dc_; }
    // The printable area of a page.
    BoundingBox CanvasArea() const;
    Dimension Size() const { return CanvasArea().Extent(); }

    // Prints the job; false when the printer refused it.
    bool Start();
    // Prints one page; true when another page follows.
    virtual bool PrinterExpose(PrinterExposeEvent& event);

    // The font of the texts; its point size is taken at the printer's resolution.
    const ::Font& GetFont() const { return font_; }
    void SetFont(const ::Font& font);
    // Prints a text whose lower-left corner lies at the point.
    virtual void TextPrint(const std::string& text, Point at);
    // The size a text takes in the current font.
    Dimension SizeText(const std::string& text) const;

    // Ends the job's hold on the printer.
    virtual void Destroy();

private:
    std::string jobName_;
    HDC dc_;
    ::Font font_;
    ::Font printerFont_;
};
