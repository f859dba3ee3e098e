// The painter state that a chart operation keeps for its caller: the fields
// it names are saved at the start and written back directly (not through
// the setters, which would turn colours grey in black-and-white mode) when
// the operation ends, whichever way it ends.
#pragma once

#include "graphics/core/graphics.h"

class Graphics::ChartState {
public:
    enum Field : unsigned {
        kFillColor = 1,
        kLineColor = 2,
        kTextColor = 4,
        kLineWidth = 8,
        kLinePattern = 16,
        // The font handle: the caller's font is put aside, so that the
        // chart's own fonts never delete it, and the chart's last font is
        // released with its handle at the end.
        kFont = 32,
    };

    ChartState(Graphics& g, unsigned fields) : g_(g), fields_(fields)
    {
        if (fields_ & kFont) g_._pFont.Reset();
    }
    ~ChartState()
    {
        if (fields_ & kFillColor) g_._nFillColor = fillColor_;
        if (fields_ & kLineColor) g_._nLineColor = lineColor_;
        if (fields_ & kTextColor) g_._nTextColor = textColor_;
        if (fields_ & kLineWidth) g_._nLineWidth = lineWidth_;
        if (fields_ & kLinePattern) g_._nLinePattern = linePattern_;
        if (fields_ & kFont) g_._pFont = font_;
    }
    ChartState(const ChartState&) = delete;
    ChartState& operator=(const ChartState&) = delete;

    // The values at the start of the operation.
    uint32_t FillColor() const { return fillColor_; }
    uint32_t LineColor() const { return lineColor_; }
    uint32_t TextColor() const { return textColor_; }
    int32_t LineWidth() const { return lineWidth_; }

private:
    Graphics& g_;
    unsigned fields_;
    const uint32_t fillColor_ = g_._nFillColor, lineColor_ = g_._nLineColor, textColor_ = g_._nTextColor;
    const int32_t lineWidth_ = g_._nLineWidth, linePattern_ = g_._nLinePattern;
    const FontHandle font_ = g_._pFont;
};
