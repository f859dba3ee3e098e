#pragma once
// Graphics: the painter of the graphics kit. One painter per device holds the
// whole drawing state (colours, pen, fill, font, world coordinate system,
// marker and shadow settings, refresh bitmap) and paints by creating one
// short-lived drawing object per call, which its device has draw itself. It
// keeps no list of what was drawn: on a screen window the refresh bitmap is
// the only lasting picture.
//
// The paint operations are grouped by figure in files of their own
// (paint_*.cpp); each one creates its drawing object and calls DrawShape.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "graphics/core/colors.h"
#include "graphics/core/device.h"
#include "graphics/core/figurepoints.h"
#include "graphics/core/painterstate.h"
#include "graphics/core/shapehandlebase.h"
#include "graphics/images/objectsourcebmp.h"
#include "platform/runtime/value.h"

class objectShape;
class ShapeFile;
namespace shapefile {
class PainterFields;
}

// A point or offset in world units.
struct WorldPoint {
    double x, y;
};

class Graphics : private PainterState {
public:
    // Drawing area following the device's whole canvas.
    explicit Graphics(GraphicsDevice& oDevice);
    // Fixed drawing area of nWidth x nHeight at (0, 0).
    Graphics(GraphicsDevice& oDevice, int32_t nWidth, int32_t nHeight);
    // Fixed drawing area of nWidth x nHeight at (nPosX, nPosY).
    Graphics(GraphicsDevice& oDevice, uint32_t nPosX, uint32_t nPosY, int32_t nWidth, int32_t nHeight);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // Releases the refresh bitmap, the saved area and the font and forgets the
    // device; safe to repeat (the destructor calls it). Afterwards every
    // operation draws nothing and the device type is kDeviceNone.
    Graphics& Destroy();

    // ---- Device binding ----
    // Recomputes the device values: drawing area, tool-bar space, surface,
    // offsets, refresh bitmap, background, resolution.
    Graphics& InternSetDevPar();
    // The start of a device's full repaint: the device values, then the clip
    // to the whole drawing area. False, with no clip set, when the area is
    // 10 pixels or less in either direction: such an area is not painted.
    bool PrepareAreaPaint();
    Graphics& InternGetDevValues();
    int32_t GetDeviceWidth() const { return _nMaxWidth; }
    int32_t GetDeviceHeight() const { return _nMaxHeight; }
    int32_t GetDeviceType() const;
    // Has the device draw the object (one or two passes).
    Graphics& DrawShape(objectShape& oShape);

    // ---- World coordinates and alignment points ----
    Graphics& SetWorldOrigin(double nX, double nY);
    Graphics& SetWorldSystem(double fX, double fY);
    Graphics& SetWorldSysNorm(bool lCentre = false);
    double GetWorldCoordX(double n) const;
    double GetWorldCoordY(double n) const;
    double GetPhysCoordX(double x) const;
    double GetPhysCoordY(double y) const;
    double GetWorldPointX(double n) const;
    double GetWorldPointY(double n) const;
    // Moves the device point (x, y) so that it becomes the lower-left corner of
    // a w x h box whose point of the origin mode was given.
    const Graphics& GetOriginPoint(int32_t& x, int32_t& y, double w, double h, uint32_t nOrigin) const;
    // The same shift for a point in world units, without rounding.
    const Graphics& GetOriginPoint(double& x, double& y, double w, double h, uint32_t nOrigin) const;
    // The same shift rotated by the text angle.
    const Graphics& GetOriginPointAngle(int32_t& x, int32_t& y, double w, double h, uint32_t nOrigin) const;

    // ---- Refresh bitmap and saved area ----
    Graphics& InternGenRefreshBmp();
    Graphics& InternFreeRefreshBmp();
    // Copies the area (canvas pixels, lower-left corner and size) from the
    // refresh bitmap back to the window.
    Graphics& InternRefresh(const DeviceBox& oArea);
    // The position of a scrolled window's view within its canvas: added to
    // the source of every copy from the refresh bitmap.
    Graphics& SetScrollOffset(int32_t nX, int32_t nY);
    // A new size of a fixed drawing area; the next InternSetDevPar takes it.
    Graphics& SetDrawingArea(int32_t nWidth, int32_t nHeight);
    Graphics& SetSaveArea(double x, double y, double w, double h, uint32_t nOrigin = 0);
    Graphics& InternFreeSavedBmp();

    // ---- Fonts, texts and shadows ----
    Graphics& SetStringFont(std::optional<FontFace> uFont = {}, std::optional<double> fWidth = {},
                            std::optional<double> fHeight = {}, std::optional<uint32_t> nDesign = {},
                            std::optional<uint32_t> nRespond = {}, std::optional<double> fAngle = {},
                            std::optional<uint32_t> nQuality = {});
    Graphics& InternGenStringFont();
    // The LOGFONT that InternGenStringFont gives CreateFontA.
    LOGFONTA StringFontSpec() const;
    Graphics& SetStringColor(const ColorArg& uColor);
    Graphics& SetStringShadow(double fDistance, const ColorArg& uColor, uint32_t nDirection);
    // Half the distance between shadow and text in device pixels.
    double ShadowHalfDistance() const;
    // World offset of the shadow copy from the given point for a half distance
    // d; the text copy lies at the opposite offset.
    WorldPoint ShadowOffset(double d) const;

    // ---- Drawing state ----
    Graphics& SetFillColor(const ColorArg& uColor);
    Graphics& SetFillHatchColor(const ColorArg& uColor);
    // Without a colour the current one is applied to the device again.
    Graphics& SetBackgroundColor(std::optional<ColorArg> uColor = {});
    Graphics& SetLineColor(const ColorArg& uColor);
    Graphics& SetGradientColor(const ColorArg& uColor);
    // Rows of colour arguments, row 1 the top row; entries beyond 8 x 8 are
    // ignored.
    Graphics& SetFillPattern(const std::vector<std::vector<ColorArg>>& aPattern);
    Graphics& SetFillHatch(int32_t nStyle);
    Graphics& SetLinePattern(int32_t nStyle);
    Graphics& SetLineWidth(int32_t nWidth);
    Graphics& SetLineCap(std::optional<int32_t> nCap);
    Graphics& SetRasterMode(int32_t nMode);
    Graphics& SetMarkerSize(double fSize);
    Graphics& SetMarkerSurface(int32_t nType);
    Graphics& SetMarkerLineWidth(int32_t nWidth);
    Graphics& SetBlackAndWhite(bool lOn = true);
    // Clips all later drawing to the rectangle (nMode 1: world units, else
    // device pixels); without arguments to the whole drawing area.
    Graphics& SetClipRegion();
    Graphics& SetClipRegion(double x, double y, double w, double h, uint32_t nMode = 0, uint32_t nOrigin = 0);
    // Selects the kept clip region (none when there is none) into a DC; a
    // window selects it into each DC it prepares for a drawing, as its DCs do
    // not keep it. oShift moves it by so many device pixels, for a DC whose
    // pixels lie so far from those of the refresh bitmap.
    void SelectClipDevice(HDC hDC, POINT oShift = {0, 0}) const;
    // Takes the clip away: later drawing is clipped by nothing but the device.
    Graphics& InternClearClipRegion();

    // ---- Rectangles (paint_rectangles.cpp) ----
    Graphics& PaintRectangle(double x, double y, double w, double h, uint32_t nFill = 0, uint32_t nOrigin = 0);
    Graphics& PaintRectangleAligned(double x1, double y1, double x2, double y2, uint32_t nFill = 0,
                                    uint32_t nOrigin = 0);
    Graphics& PaintRectangleRounded(double x, double y, double w, double h, double fCornerW, double fCornerH,
                                    uint32_t nFill = 0, uint32_t nOrigin = 0);

    // ---- Canvases and areas (paint_canvases.cpp) ----
    Graphics& PaintEraseCanvas();
    Graphics& PaintFrameCanvas();
    Graphics& PaintEraseArea(double x, double y, double w, double h, uint32_t nOrigin = 0);
    Graphics& PaintSavedArea(double x, double y, double w, double h, uint32_t nOrigin = 0);
    Graphics& PaintFloodFill(double x, double y);

    // ---- Lines, points, markers, curves and ellipses (paint_figures.cpp) ----
    Graphics& PaintLine(double x1, double y1, double x2, double y2);
    Graphics& PaintLineGroup(const WorldPoints& aPoints, double fOffsetX = 0.0, double fOffsetY = 0.0);
    Graphics& PaintPolygon(const WorldPoints& aPoints, uint32_t nFill = 0);
    Graphics& PaintPoint(double x, double y);
    Graphics& PaintPointGroup(const GroupPoints& aPoints, double fOffsetX = 0.0, double fOffsetY = 0.0);
    // The colour of the pixel as kept in a screen window's refresh bitmap;
    // 0xFFFFFFFF on every other device or when no pixel could be read.
    uint32_t GetPointColor(double x, double y);
    Graphics& PaintMarker(double x, double y);
    Graphics& PaintMarkerGroup(const GroupPoints& aPoints, double fOffsetX = 0.0, double fOffsetY = 0.0);
    Graphics& PaintSpline(const WorldPoints& aPoints, double fSmoothing = 0.0);
    Graphics& PaintBezier(const WorldPoints& aPoints, bool lSmooth = false, uint32_t nFill = 0);
    Graphics& PaintEllipse(double x, double y, double rx, double ry, uint32_t nFill = 0, uint32_t nOrigin = 10);
    // An arc, never filled.
    Graphics& PaintEllipseCurve(double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                                uint32_t nOrigin = 10);
    // A pie slice.
    Graphics& PaintEllipseSector(double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                                 uint32_t nFill = 0, uint32_t nOrigin = 10);
    // A chord segment.
    Graphics& PaintEllipseSegment(double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                                  uint32_t nFill = 0, uint32_t nOrigin = 10);

    // ---- Gradients (paint_gradients.cpp) ----
    // In black-and-white mode the gradients run from white at intensity 5.
    Graphics& PaintGradientCanvas(double fIntensity = 6.0, uint32_t nDirection = 0);
    Graphics& PaintSpotCanvas(double fIntensity = 6.0, uint32_t nDirection = 7);
    Graphics& PaintGradientArea(double x, double y, double w, double h, double fIntensity = 6.0, uint32_t nOrigin = 0,
                                uint32_t nDirection = 0);
    // A spot canvas seen through a clip rectangle (world units unless both
    // factors are 1); the previous clip rectangle is restored.
    Graphics& PaintSpotArea(double x, double y, double w, double h, double fIntensity = 6.0, uint32_t nOrigin = 0,
                            uint32_t nDirection = 7);

    // ---- Texts through the string objects (paint_texts.cpp) ----
    Graphics& PaintString(double x, double y, const std::string& cText, uint32_t nOrigin = 0,
                          uint32_t nBackground = 10);
    Graphics& PaintStringRing(double x, double y, double fRadius, double fAngle, uint32_t nAlign = 2,
                              uint32_t nRingMode = 3, const std::string& cText = {}, uint32_t nOrigin = 10);
    // Width and height of a text in world units in the current font; 0.0 when
    // the device yields no drawing DC.
    double GetStringWidth(const std::string& cText);
    double GetStringHeight(const std::string& cText);

    // ---- Fractals (paint_fractal.cpp) ----
    // aParameters (nullptr for the defaults) is extended to 22 entries and gets
    // the values used written back.
    Graphics& PaintFractal(double x, double y, double w, double h, uint32_t nOrigin = 0,
                           FractalParameters* aParameters = nullptr, bool lInterruptible = false);

    // ---- Shadowed texts (paint_shadows.cpp) ----
    // The text over a flat copy in the shadow colour.
    Graphics& PaintStringShadow(double x, double y, const std::string& cText, uint32_t nOrigin = 0);
    // The text over a solid shadow running from the shadow point to the text.
    Graphics& PaintString3D(double x, double y, const std::string& cText, uint32_t nOrigin = 0);

    // ---- Control frames (paint_control.cpp) ----
    // A frame figure centred on a control of a screen window (its origin and
    // size in canvas pixels), large enough to enclose it: nForm 0 rounded
    // rectangle, 1 ellipse, 2 circle, 3 twelve-pointed and 4 twenty-four-pointed
    // star; any other form draws nothing.
    Graphics& PaintControl(const DeviceBox& oControl, uint32_t nForm, uint32_t nFill);

    // ---- Pictures and picture files (graphics/images/) ----
    // The canvas, or an area of it (world units; a width or height of 0 means
    // the whole canvas), saved as a BMP file by the kit's encoder, as a BMP
    // file through the system's picture objects (Img) or as a GIF file. A
    // printer has no pixels to read: these return at once there.
    Graphics& SetBmpCanvasToFile(const std::string& cFile);
    Graphics& SetBmpAreaToFile(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin = 0);
    Graphics& SetImgCanvasToFile(const std::string& cFile);
    Graphics& SetImgAreaToFile(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin = 0);
    Graphics& SetGifCanvasToFile(const std::string& cFile);
    Graphics& SetGifAreaToFile(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin = 0);
    // A picture (objectSourceBmp) stretched over the canvas, tiled over it
    // unscaled, at its own size at the world origin, at its own size at a
    // point, or stretched into a rectangle; with a transparent colour
    // (9999: the picture's top-left pixel) and a transform code.
    Graphics& PaintBmpCanvas(const PictureSource& uSource, bool lTransparent = false, uint32_t nColor = 9999,
                             uint32_t nTransform = 0);
    Graphics& PaintBmpRepeat(const PictureSource& uSource, bool lTransparent = false, uint32_t nColor = 9999,
                             uint32_t nTransform = 0);
    Graphics& PaintBmpRestore(const PictureSource& uSource, bool lTransparent = false, uint32_t nColor = 9999,
                              uint32_t nTransform = 0);
    Graphics& PaintBmpOriginal(double x, double y, const PictureSource& uSource, uint32_t nOrigin = 0,
                               bool lTransparent = false, uint32_t nColor = 9999, uint32_t nTransform = 0);
    Graphics& PaintBmpStretched(double x, double y, double w, double h, const PictureSource& uSource,
                                uint32_t nOrigin = 0, bool lTransparent = false, uint32_t nColor = 9999,
                                uint32_t nTransform = 0);
    // A picture file rendered by the system's picture object, at its own size
    // when w or h is 0.
    Graphics& PaintBmpDirect(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin = 0);
    // An enhanced metafile played into a rectangle or over the whole canvas.
    Graphics& PaintEnhMetaArea(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin = 0);
    Graphics& PaintEnhMetaCanvas(const std::string& cFile);

    // ---- Charts (graphics/charts/) ----
    // The empty chart with its origin (where the axes cross) at (nX, nY):
    // validates aDef in place (a null array becomes a new one), then draws
    // the filled plot area, each axis's grid lines, line, arrow, tick marks,
    // tick labels and title, and the frame, and fills element 55 with the
    // ticks element 56 asks for. An axis without a scale (equal values at its
    // ends, zero length) gets line, arrow and title but no ticks, and an
    // empty tick list. The painter's colours, line width and font object are
    // as before.
    Graphics& PaintChartEmpty(double nX, double nY, Array& aDef);

    // The data painters draw the data of an axis chart into the frame that
    // PaintChartEmpty drew from the same array and origin (nX, nY). They
    // draw nothing, and leave the painter as it was, when aDef has not been
    // validated by PaintChartEmpty, when an axis has no scale (equal values
    // at its ends, zero length) or when there are no data. A data entry of
    // the wrong shape is skipped, and so is a point whose position is not
    // finite. Colours are colour numbers or colour objects; the painter's
    // fill and line colours are as before the call.

    // One bar per entry {x, y} or {x, y, width}, from the origin's y to the
    // value, filled in uColor (else the current fill colour) and outlined
    // in element 12. The default width is 0.6 of the slot, the axis length
    // over the number of entries; an own width counts when it is a finite
    // number of at least 0.
    Graphics& PaintChartBar(double nX, double nY, const Array& aDef, const Array& aData, const Value& uColor);
    // One column per entry {x, values} or {x, values, width}: the values
    // stacked from the origin's y in series order, value j in colour j of
    // aColors. The caller's colour array (NIL: one of the call's own) grows
    // to m, the largest number of values, and its entries 1 to m that are
    // no colour become colour objects of the fill colour at entry. A value
    // that is not a number draws no segment.
    Graphics& PaintChartPillar(double nX, double nY, const Array& aDef, const Array& aData, const Value& aColors);
    // The values of each entry side by side as a group of bars centred on
    // its x, each rising from the origin's y; the bars step by 1 - nOverlap
    // bar widths (nOverlap a number from -1 to 1, else the step is 0).
    // Colours as for the pillar chart.
    Graphics& PaintChartMultiBar(double nX, double nY, const Array& aDef, const Array& aData, const Value& aColors,
                                 const Value& nOverlap);
    // The points {x, y} joined in data order in uColor (else the current line
    // colour), with a marker on every point when nMarker is the number 1,
    // filled in element 53 when element 54 is 1, else in white.
    Graphics& PaintChartLine(double nX, double nY, const Array& aDef, const Array& aData, const Value& nMarker,
                             const Value& uColor);
    // As the line chart, joined by a spline of the smoothing fSmoothing; the
    // points reach the curve reversed when the first lies right of the last.
    Graphics& PaintChartSpline(double nX, double nY, const Array& aDef, const Array& aData, double fSmoothing,
                               const Value& nMarker, const Value& uColor);
    // The points {x, y} or {x, y, colour} as pixels (marker type 1) or
    // markers of the current type, each in its colour, a point without one in
    // the colour of the points before it (else the line colour).
    Graphics& PaintChartScatter(double nX, double nY, const Array& aDef, const Array& aData);
    // The stacked area chart of the entries {x, values}: level k (from 1 to
    // m, the largest number of values) is the polygon from the origin's y up
    // to the sum of the first m - k + 1 series, in colour k, so colour m is
    // the bottom band and colour 1 the top one; a level's points run in
    // increasing x (entries of equal x in data order). Shorter value lists
    // get zeros appended in the caller's arrays, and colour entries 1 to m
    // that are no colour become random colour numbers. nOutline and nMarker
    // as the number 1 draw each level's upper edge in the line colour and
    // markers on its points. The painter's line width and pattern are as
    // before too.
    Graphics& PaintChartIntegral(double nX, double nY, const Array& aDef, Array& aData, const Value& aColors,
                                 const Value& nOutline, const Value& nMarker);
    // A pie of the slices {value, label, colour, exploded} around (nX, nY)
    // with radius fRadius: each slice is completed in place to four elements
    // and drawn as a sector of its share of 360 degrees (whole degrees, the
    // last slice takes the rest), an exploded one moved out by a fifth of the
    // radius. The first label with a "%" or "#" decides whether "%" shows
    // the percentage or "#" the value. nOutline 1 outlines the sectors in the
    // line colour; labels are drawn in uTextColor, else in the inverse of
    // their slice's colour. Nothing is drawn when the values add up to 0 or
    // to no finite number, the radius is not a positive number or the centre
    // not a finite point. The painter's colours and font handle are as
    // before.
    Graphics& PaintChartPie(double nX, double nY, double fRadius, const Array& aSlices, const Value& nOutline,
                            const Value& uTextColor);
    // A legend of the entries {text, colour, pattern}, each a short line in
    // its colour and pattern (an entry without a pattern keeps the one of the
    // entry below) and its text in black, in a box whose lower left corner
    // (for nOrigin above 0: whose point of that origin mode) is (nX, nY). The
    // seven-element definition aDef is completed in place (a null array: one
    // of the call's own). An entry of the wrong shape leaves its row empty;
    // a reference point that is not finite draws nothing. The painter's
    // colours but the fill colour, its line width and pattern and its font
    // handle are as before.
    Graphics& PaintChartLegend(double nX, double nY, Array& aDef, const Array& aEntries, const Value& nOrigin);

    // Data preparers; they use no painter state and draw nothing.
    // The table {x, f(x)} of n points from the smaller to the larger end,
    // equally spaced, both ends included (n = 1: the one point {a, f(a)}); a
    // result that is not a number is stored as NaN. n is taken by its whole
    // part; n below 1 or not a number, bFunction not a code block, or a table
    // that cannot be allocated give an empty table.
    static Array SetMathGraphArray(const Value& bFunction, double fStart, double fEnd, const Value& nPoints);
    // A deep copy of the chart data with element 1 of every entry replaced by
    // bX's result and element 2 (or, in modes 1, 2 and 4, every item of its
    // list) by bY's result, a non-number as NaN; NIL or another non-block
    // leaves that axis alone, as does a mode other than 0 to 4 for the y
    // values (a mode that is not a number counts as 0). Only numbers are
    // transformed: an entry without the number or list the mode needs keeps
    // that part as it is. Data that are not a non-empty array give a new
    // empty array.
    static Array SetLogarithmic(const Value& aData, const Value& bX, const Value& bY, const Value& nMode);

    // Chooses value range and tick step of the x axis (nIntervalsX tick
    // intervals, element 1 of every data entry) and of the y axis
    // (nIntervalsY, element 2 in data mode nMode 0 to 4; not a number counts
    // as 0) and writes them into elements 1-5 and 25-29 of aDef (a null array
    // becomes a new one; a shorter one grows to 59 elements). An axis with
    // fewer than one interval, or without a usable data value, stays as it
    // was; entries without the part the mode needs and values that are not
    // finite are skipped. When the data reach below zero the axis's start and
    // end move so that 0 falls on the origin, and *nOriginX or *nOriginY
    // (when given) move by the same amount, so the axis stays in place.
    Graphics& SetAutoScale(Array& aDef, const Value& aData, double nIntervalsX, double nIntervalsY,
                           const Value& nMode = Value(), double* nOriginX = nullptr, double* nOriginY = nullptr);

    // ---- Shapefiles (graphics/shapefile/) ----
    // Each file is opened under a name of the caller's choice (upper-cased,
    // blanks kept) and reached by it; a name that is not registered makes an
    // operation do nothing, except that the four figure queries give shape
    // type -1. The operations marked "creates" create the painter's
    // registry when it has none; the others then return at once. Destroy
    // closes every file. Results as in ShapeFile (shapefile.h).
    // Opens cFile (blanks around it ignored) under cName, or selects the file
    // already registered under cName; creates.
    Graphics& SetShapeFileObject(const std::string& cName, const std::string& cFile);
    Graphics& SetShapeFileClose(const std::string& cName);
    // Paints the file; a failed paint is not reported.
    Graphics& PaintShapeFigures(const std::string& cName);
    Graphics& SetShapeSelectBox(const std::string& cName, double x1, double y1, double x2, double y2);  // creates
    Graphics& SetShapeUnselectBox(const std::string& cName);
    Graphics& SetShapeSelectArea(const std::string& cName, double x, double y, double nWidth,
                                 double nHeight);  // creates
    Graphics& SetShapeUnselectArea(const std::string& cName);
    Graphics& SetShapeColorNormal(const std::string& cName);                       // creates
    Graphics& SetShapeColorRandom(const std::string& cName);                       // creates
    Graphics& SetShapeColorTrans(const std::string& cName);                        // creates
    Graphics& SetShapeColorArray(const std::string& cName, const Value& aColors);  // creates
    // An extraction list that is not an array counts as an empty list.
    Graphics& SetShapeExtractRec(const std::string& cName, const Value& aEntries, bool lInvert = false);
    Graphics& SetShapeUnextractRec(const std::string& cName);
    // The queries create.
    Graphics& GetShapeFigCoordRec(const std::string& cName, int64_t nEntry, int32_t& nRecNo, int32_t& nType,
                                  Value& aCoord);
    Graphics& GetShapeFigCoordId(const std::string& cName, int64_t nRecNo, int32_t& nEntry, int32_t& nType,
                                 Value& aCoord);
    Graphics& GetShapeFigBoxRec(const std::string& cName, int64_t nEntry, int32_t& nRecNo, int32_t& nType, Value& aBox,
                                int32_t& nParts);
    Graphics& GetShapeFigBoxId(const std::string& cName, int64_t nRecNo, int32_t& nEntry, int32_t& nType, Value& aBox,
                               int32_t& nParts);
    Graphics& GetShapeFileBox(const std::string& cName, uint32_t& nCount, Value& aBox);
    // Opens cFile under its own text as the name, sets random colours
    // (lRandom) or outlines, and paints it.
    Graphics& PaintShapeCanvas(const std::string& cFile, bool lRandom = false);

    // ---- Painter state ----
    // Read by the devices, the drawing objects (through their device) and the
    // windows; only the painter's own operations change it.
    const PainterState& State() const { return *this; }

private:
    friend class PainterTestAccess;  // the tests' way to set up a state
    // A shapefile paint sets the world-to-device mapping and the record
    // colours directly and restores them afterwards.
    friend class shapefile::PainterFields;
    class BlackWhiteGradient;
    class EmptyChart;
    class ChartState;

    void Init(GraphicsDevice& oDevice, bool lSizeFromDevice);
    // The file registered under cName, creating the registry first when
    // lCreate; null when there is none.
    ShapeFile* ShapeFileNamed(const std::string& cName, bool lCreate);
    // Has the device draw a new Shape made of its device and the arguments;
    // nothing once the painter has forgotten its device.
    template <typename Shape, typename... Args>
    Graphics& Paint(Args&&... aArgs)
    {
        if (_oDevice == nullptr) return *this;
        Shape oShape(*_oDevice, std::forward<Args>(aArgs)...);
        return DrawShape(oShape);
    }
    // Stores a colour (grey in black-and-white mode when lGreyInBw).
    uint32_t ColorOf(const ColorArg& uColor, bool lGreyInBw) const;

    // The registry of open shapefiles; empty until a shapefile operation
    // creates it.
    std::unique_ptr<ShapeHandleBase> _oShapeHandle;
};
