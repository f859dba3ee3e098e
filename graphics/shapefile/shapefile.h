#pragma once
// ShapeFile: one open ESRI shapefile bound to one painter. It holds the open
// main file (.shp), the values of its header, the record index that the first
// paint builds, the output area on the device, the selection box, the
// extraction list and the colour settings, and paints the map on the
// painter's device.
//
// The first paint walks the whole main file (through the index file .shx
// where one lies beside it), builds the index of ShapeIndexEntry records and
// draws on the way; every later paint reads only the data of the records it
// draws, at the positions kept in the index. A paint fits the selection box
// (world units) into the output area (device pixels) by setting the painter's
// factors and offsets, stretching each axis on its own, and leaves the
// painter as it found it. Byte layout and decoding: shapeformat.h,
// recorddecoder.h.
//
// Nothing is reported to the user: a failed open, paint or damaged record
// shows in the results and in LastFault().
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "graphics/shapefile/filewindow.h"
#include "graphics/shapefile/recorddecoder.h"
#include "graphics/shapefile/shapeformat.h"
#include "platform/runtime/value.h"

class Graphics;

// One record of the index, in file order: entry n (from 1) is the n-th record
// the first pass met. An entry of shape type 0 holds only its record number
// and colour -1; a record whose content is empty leaves an entry of zeros.
struct ShapeIndexEntry {
    int32_t nRecordNumber;              // from the record header
    int32_t nShapeType;                 // base type: 1, 8, 3, 5, 31, or 0 for none
    uint32_t nDataPosition;             // main-file offset of the record data
    uint32_t nDataLength;               // bytes of record data
    double fXMin, fYMin, fXMax, fYMax;  // record box; a point's box is the point
    uint32_t nColor;                    // RGB of the per-record colour modes; 0xFFFFFFFF unassigned
    int32_t nPartCount;                 // parts of polylines, polygons and multipatches
};
static_assert(sizeof(ShapeIndexEntry) == 56, "the index is a block of packed 56-byte entries");

// Why the last pass failed, or the last damaged record it met.
struct ShapeFileFault {
    uint32_t nEntry;   // entry position; 0 for the file as a whole
    uint64_t nOffset;  // main-file offset: of the record header, or of the record data when they are damaged
    std::string cWhat;
};

class ShapeFile {
public:
    // Colour modes.
    enum : uint16_t { kColorNormal = 0, kColorArray = 1, kColorRandom = 2 };

    // Opens cFile for reading, shared with other readers and writers; a file
    // that cannot be opened is no error here: ReadFileHeader then refuses it.
    // The output area starts as the painter's whole device; the file is drawn
    // in outlines in the painter's line colour until a colour setting says
    // otherwise.
    ShapeFile(std::string cName, Graphics& oPainter, std::string cFile);
    ~ShapeFile();
    ShapeFile(const ShapeFile&) = delete;
    ShapeFile& operator=(const ShapeFile&) = delete;

    // TRUE when the main file is open and its header acceptable: 100 bytes,
    // file code 9994, a finite box with Xmin < Xmax and Ymin < Ymax. File
    // length, shape type and box are stored either way once the code is
    // right; the box becomes the selection box.
    bool ReadFileHeader();

    // ---- Colours ----
    // Normal: the painter's own colours, filled; colours in the index reset.
    ShapeFile& SetShapeColorNormal();
    // Outlines only in the painter's line colour; colours in the index kept.
    ShapeFile& SetShapeColorTrans();
    // A random colour of the kit's colour table per record, kept in the index.
    ShapeFile& SetShapeColorRandom();
    // The colour of entry n is element n of aColors (an RGB number); a value
    // that is not an array keeps the previous colours.
    ShapeFile& SetShapeColorArray(const Value& aColors);
    // The colour of entry nEntry in the current mode (RGB): an element of the
    // colour array that is missing or no number gives black; random colours
    // are numbers 1 to N - 1 of the N colours of the table.
    uint32_t GetShapeColor(uint32_t nEntry);

    // ---- Selection box (world units) and output area (device pixels) ----
    // Stored as given (no reordering); records are tested against it once a
    // box has been set that does not contain the whole file.
    ShapeFile& SetShapeSelectBox(double x1, double y1, double x2, double y2);
    ShapeFile& SetShapeUnselectBox();
    // FALSE when the record box lies wholly beside the selection box; a box
    // touching its edge passes.
    bool TestSelection(double xMin, double yMin, double xMax, double yMax) const;
    ShapeFile& SetShapeSelectArea(double x, double y, double nWidth, double nHeight);
    ShapeFile& SetShapeUnselectArea();

    // ---- Extraction list (entry positions) ----
    // The list is taken as it stands: its whole numbers are kept sorted, so
    // that the test is a binary search; later changes to the caller's array
    // do not reach it.
    ShapeFile& SetShapeExtractRec(const Array& aEntries, bool lInvert = false);
    ShapeFile& SetShapeUnextractRec();
    // TRUE when entry nEntry is in the list, or, inverted, is not in it.
    bool TestExtraction(uint32_t nEntry) const;

    // ---- Drawing one record from its data (shapefile_draw.cpp) ----
    // Through the painter's current mapping and colours; a damaged record
    // draws nothing and is kept in LastFault.
    ShapeFile& DrawPoint(const uint8_t* pData, std::size_t nLength);
    ShapeFile& DrawMultiPoint(const uint8_t* pData, std::size_t nLength);
    ShapeFile& DrawPolyLine(const uint8_t* pData, std::size_t nLength);
    ShapeFile& DrawPolygon(const uint8_t* pData, std::size_t nLength);
    ShapeFile& DrawMultiPatch(const uint8_t* pData, std::size_t nLength);

    // ---- Passes (shapefile_passes.cpp) ----
    // Builds the record index, drawing every record that passes the tests
    // when lDraw; TRUE on success, and the index is kept. A failed pass
    // keeps no index; while neither file changes (size and last write),
    // a later pass gives the same fault at once without walking the file,
    // unless memory was short, and when it draws, draws the records before
    // the fault as the failed pass did.
    bool RunShapeFirst(bool lDraw);
    // Draws from the index; FALSE when the file is not open or a record's
    // data come back short (the records before it are drawn).
    bool RunShapeArray();
    // One paint onto the painter's device (first pass or later pass), with
    // the painter's mapping, colours and clip restored afterwards and, on a
    // framework window, the wait pointer shown meanwhile.
    bool PaintShapeFigures();

    // ---- Record and box queries (shapefile_query.cpp) ----
    // A record by its entry position (Rec, 1 to RecCount()) or by its record
    // number (Id: the first entry in index order with that number). The
    // first query on a file without an index builds it (no drawing).
    // Geometry: a point {X, Y}; a multipoint an array of such points; the
    // other types an array of parts, each an array of points, in the file's
    // order (a part whose range is empty or reversed is an empty array).
    // Z, M and multipatch part types are not returned. A box is
    // {{Xmin, Ymin}, {Xmax, Ymax}} of the index entry. A record without
    // geometry gives type 0 and NIL. Failure (file not open, index not
    // built, no such entry or number, data short or damaged) gives type -1,
    // 0 for the record number or entry position, NIL, and leaves nParts as
    // it was; a damaged record or short read is kept in LastFault.
    ShapeFile& GetShapeFigCoordRec(int64_t nEntry, int32_t& nRecNo, int32_t& nType, Value& aCoord);
    ShapeFile& GetShapeFigCoordId(int64_t nRecNo, int32_t& nEntry, int32_t& nType, Value& aCoord);
    ShapeFile& GetShapeFigBoxRec(int64_t nEntry, int32_t& nRecNo, int32_t& nType, Value& aBox, int32_t& nParts);
    ShapeFile& GetShapeFigBoxId(int64_t nRecNo, int32_t& nEntry, int32_t& nType, Value& aBox, int32_t& nParts);
    // The entry count and the header box (not the selection box); on
    // failure 0 and NIL.
    ShapeFile& GetShapeFileBox(uint32_t& nCount, Value& aBox);
    // The geometry of a record's data of one base type; false, with NIL,
    // when the record is damaged (the decoder's reason then in Damage()).
    bool CoordPoint(const uint8_t* pData, std::size_t nLength, Value& aCoord);
    bool CoordMultiPoint(const uint8_t* pData, std::size_t nLength, Value& aCoord);
    bool CoordPolyLine(const uint8_t* pData, std::size_t nLength, Value& aCoord);
    bool CoordPolygon(const uint8_t* pData, std::size_t nLength, Value& aCoord);
    bool CoordMultiPatch(const uint8_t* pData, std::size_t nLength, Value& aCoord);

    // ---- State ----
    const std::string& Name() const { return _cShapeName; }
    const std::string& FileName() const { return _cFileName; }
    int32_t ShapeType() const { return _nShapeType; }
    uint64_t FileLength() const { return _nFileLength; }
    shapefile::Box FileBox() const { return {_r8FileXMin, _r8FileYMin, _r8FileXMax, _r8FileYMax}; }
    uint32_t RecCount() const { return _nRecCount; }
    // The index (RecCount() entries), null until a first pass succeeded.
    const ShapeIndexEntry* RecIndex() const { return _pRecIndex; }
    const std::optional<ShapeFileFault>& LastFault() const { return _oFault; }

private:
    // Draws a record of a base type.
    void DrawRecord(int32_t nBaseType, const uint8_t* pData, std::size_t nLength);
    // Decodes a record for drawing; a damaged one is kept in LastFault.
    bool DecodeForDrawing(int32_t nBaseType, const uint8_t* pData, std::size_t nLength);
    // Draws the points of the decoder's parts with at least nMinimum points as
    // one device-point object of class Single (one part) or Group.
    template <typename Single, typename Group, typename... Fill>
    void DrawParts(int32_t nMinimum, Fill... nFill);
    // The device point of a world point under the painter's mapping.
    POINT DevicePoint(double x, double y) const;
    // What reading the index file gave: none beside the main file (missing,
    // too short for its header, another file code), its entries, or a read
    // that failed for memory.
    enum class IndexFileRead { kNone, kRead, kFailed };
    // The entries (8 bytes each) of the index file beside the main file, at
    // most nMaxEntries of them; its header is checked before any entry is read.
    IndexFileRead ReadIndexFile(std::vector<uint8_t>& aEntries, uint64_t nMaxEntries) const;
    // The name of the index file beside the main file; empty when the main
    // file is not named *.shp.
    std::string IndexFileName() const;
    bool FailForMemory(uint32_t nEntry, uint64_t nOffset, std::string cWhat);
    // Draws the records of the entries that pass the tests, reading their
    // data (RunShapeArray).
    bool DrawEntries(ShapeIndexEntry* pEntries, uint32_t nEntries);
    // Writes a record colour into the painter's line or fill colour.
    void ApplyRecordColor(int32_t nBaseType, uint32_t nColor);
    bool Fail(uint32_t nEntry, uint64_t nOffset, std::string cWhat);
    void NoteDamage(uint32_t nEntry, uint64_t nOffset, std::string cWhat);
    bool SelectedForDrawing(const ShapeIndexEntry& oEntry, uint32_t nEntry) const;
    // The common start of the queries: the file open and an index built.
    bool ReadyForQuery();
    // The entry of a record number (1 ..), 0 when none has it.
    uint32_t EntryOfRecNo(int64_t nRecNo);
    // Reads and decodes the data of entry nEntry into aCoord.
    bool ReadCoord(uint32_t nEntry, Value& aCoord);
    // The parts of a decoded polyline, polygon or multipatch, in the
    // record's part order.
    bool CoordParts(int32_t nBaseType, const uint8_t* pData, std::size_t nLength, Value& aCoord);
    Value PointOf(int32_t i) const;

    Graphics* _oPainter;
    HANDLE _pFileHandle = nullptr;
    ShapeIndexEntry* _pRecIndex = nullptr;
    int32_t _nShapeType = 0;
    uint32_t _nRecCount = 0;
    uint64_t _nFileLength = 0;
    uint16_t _nFillMode = 0;
    uint16_t _nColorMode = kColorNormal;
    std::string _cShapeName;
    std::string _cFileName;
    float _fAreaX = 0.0F, _fAreaY = 0.0F, _fAreaWidth = 0.0F, _fAreaHeight = 0.0F;
    bool _lSelectBox = false;
    bool _lSelectTest = false;
    bool _lExtract = false;
    bool _lExtractInvert = false;
    bool _lSelectArea = false;
    bool _lRecColor = false;
    double _r8SelXMin = 0.0, _r8SelYMin = 0.0, _r8SelXMax = 0.0, _r8SelYMax = 0.0;
    double _r8FileXMin = 0.0, _r8FileYMin = 0.0, _r8FileXMax = 0.0, _r8FileYMax = 0.0;
    Array _aColors;
    // The extraction list's entry positions, sorted, for a binary search.
    std::vector<uint32_t> _aExtract;

    uint64_t _nFileSize = 0;  // the main file's real size
    std::optional<ShapeFileFault> _oFault;
    shapefile::RecordDecoder _oDecoder;
    std::vector<POINT> _aDevPoints;
    std::vector<int32_t> _aDevCounts;
    uint32_t _nDrawEntry = 0;   // entry being drawn, for the fault
    uint64_t _nDrawOffset = 0;  // its data position
    // The first entry of each record number, built by the first query by
    // number after the index.
    std::unordered_map<int32_t, uint32_t> _aEntryOfRecNo;
    // The read window of the coordinate queries, opened by the first one.
    std::optional<shapefile::FileWindow> _oQueryWindow;

    // Size and last write of the main file and the index file.
    struct FilesStamp {
        uint64_t nMainSize = 0, nMainTime = 0, nIndexSize = 0, nIndexTime = 0;
        bool operator==(const FilesStamp&) const = default;
    };
    FilesStamp Stamp() const;
    // Entries in a block of the runtime's memory blocks, freed with it.
    struct EntriesFree {
        void operator()(ShapeIndexEntry* p) const;
    };
    // The files as they were when a first pass failed through their
    // contents, the fault it gave and the entries it made before the fault:
    // a pass on unchanged files would fail the same way, so it is not run
    // again, and its records are drawn from these entries.
    struct FailedPass {
        FilesStamp oStamp;
        ShapeFileFault oFault;
        std::unique_ptr<ShapeIndexEntry, EntriesFree> pEntries;
        uint32_t nEntries = 0;
    };
    std::optional<FailedPass> failedPass_;
    // The first pass itself (RunShapeFirst); a pass that fails at an entry
    // hands the entries before it to oFailed.
    bool WalkShapeFirst(bool lDraw, FailedPass& oFailed);
    // The pass being run failed for memory, not for the files' contents.
    bool lOutOfMemory_ = false;
};
