#pragma once
// gPrinter: a print job with its own painter. The painter draws inside a
// drawing area given in percent of the page's printable area; the drawing
// objects find the job's DC as that of device type 1 (printer). The job
// itself (pages, PrinterExpose) is the framework Printer's: a subclass
// calls PaintNew for the pages it wants to draw on.
#include <memory>
#include <optional>
#include <string>

#include "graphics/core/device.h"
#include "graphics/core/graphics.h"
#include "platform/framework/printer.h"

// The drawing area on a canvas of the given size from percentages of it, in
// device pixels, y counted upward from the lower edge. A missing position
// is 0; a negative one takes the pixel distance of the other axis's (equal
// margins). A missing, 0 or negative size is the whole canvas in that
// direction, except that a negative size takes the other axis's pixel length
// when that one is given above 0 (a square).
DeviceBox PrinterArea(SIZE oCanvas, std::optional<double> nPosX, std::optional<double> nPosY,
                      std::optional<double> nWidth, std::optional<double> nHeight);

class gPrinter : public Printer, public GraphicsDevice {
public:
    gPrinter(const std::string& cJobName, const PrintingDevice& oDevice = PrintingDevice(),
             std::optional<double> nPosX = {}, std::optional<double> nPosY = {}, std::optional<double> nWidth = {},
             std::optional<double> nHeight = {});
    ~gPrinter() override;

    // The paint hook, empty here; a subclass draws through _oGraphics.
    virtual void Paint() {}
    // Paints the drawing area: device values, clip to the area, Paint. An
    // area of 10 pixels or less in either direction is not painted.
    gPrinter& PaintNew();
    // Releases the painter, then the job's hold on the printer; safe to repeat.
    void Destroy() override;

    // GraphicsDevice
    SIZE CanvasSize() const override;
    // Draws the object on the job's DC, mapped upward over the printable
    // area and clipped to the painter's clip region; the DC's own state comes
    // back afterwards.
    void Draw(objectShape& oShape) override;
    // Paper has no background of its own.
    void SetBackground(COLORREF) override {}

    const DeviceBox& Area() const { return _oArea; }

    std::unique_ptr<Graphics> _oGraphics;

private:
    DeviceBox _oArea;
};
