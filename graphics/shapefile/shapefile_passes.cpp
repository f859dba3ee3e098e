// The painting passes. The first pass walks the main file from record to
// record (or from index-file entry to entry), checks every record against
// the header's file length and the file's real size, builds the record index
// and, when asked, draws each record on the way; later passes draw from the
// index and read only the data of the records they draw. Both read through a
// buffer in file order.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <new>
#include <utility>

#include "graphics/core/graphics.h"
#include "graphics/objects/objectshape.h"
#include "graphics/shapefile/filewindow.h"
#include "graphics/shapefile/painterfields.h"
#include "graphics/shapefile/shapefile.h"
#include "platform/framework/window.h"
#include "platform/runtime/files.h"
#include "platform/runtime/memory.h"
#include "platform/runtime/numtext.h"

using namespace shapefile;

namespace {

// Bytes a pass reads at once, and the largest gap between two records to
// draw that a later pass reads over rather than seeking.
constexpr uint64_t kReadAhead = 1U << 20;
constexpr uint64_t kReadOverGap = 4096;
// Bytes of index-file entries read at once.
constexpr std::size_t kIndexChunk = 1U << 30;
// Entries the index grows by at least.
constexpr uint64_t kIndexGrowth = 4096;
constexpr uint32_t kUnassigned = 0xFFFFFFFF;

std::string Bytes(uint64_t n)
{
    return std::to_string(n) + " bytes";
}

// The record index while the first pass builds it: one block of the
// runtime's memory blocks, grown as records come.
class IndexBlock {
public:
    ~IndexBlock() { MemFree(pBlock_); }
    // Room for nEntries entries (new ones zero); false when the block
    // cannot grow.
    bool Reserve(uint64_t nEntries)
    {
        if (nEntries <= nCapacity_) return true;
        const uint64_t nWanted = std::max({nEntries, nCapacity_ * 2, kIndexGrowth});
        if (nWanted > std::numeric_limits<std::size_t>::max() / sizeof(ShapeIndexEntry)) return false;
        void* p = MemRealloc(pBlock_, nWanted * sizeof(ShapeIndexEntry));
        if (p == nullptr) return false;
        pBlock_ = static_cast<ShapeIndexEntry*>(p);
        nCapacity_ = nWanted;
        return true;
    }
    ShapeIndexEntry& operator[](uint64_t n) { return pBlock_[n]; }
    // Hands the block over, brought to exactly nEntries entries (null for
    // none); a block that cannot shrink is handed over as it is.
    ShapeIndexEntry* Release(uint64_t nEntries)
    {
        ShapeIndexEntry* p = pBlock_;
        pBlock_ = nullptr;
        if (nEntries == 0) {
            MemFree(p);
            return nullptr;
        }
        void* pExact = MemRealloc(p, nEntries * sizeof(ShapeIndexEntry));
        return pExact != nullptr ? static_cast<ShapeIndexEntry*>(pExact) : p;
    }

private:
    ShapeIndexEntry* pBlock_ = nullptr;
    uint64_t nCapacity_ = 0;
};

// Keeps the painter fields a paint changes and puts them back when it goes.
class KeptPainterState {
public:
    explicit KeptPainterState(PainterState& s)
        : s_(s),
          fFactorX_(s._fFactorX),
          fFactorY_(s._fFactorY),
          nOffsetX_(s._nOffsetX),
          nOffsetY_(s._nOffsetY),
          nOriginX_(s._nOriginX),
          nOriginY_(s._nOriginY),
          nFillColor_(s._nFillColor),
          nLineColor_(s._nLineColor)
    {
    }
    ~KeptPainterState()
    {
        s_._fFactorX = fFactorX_;
        s_._fFactorY = fFactorY_;
        s_._nOffsetX = nOffsetX_;
        s_._nOffsetY = nOffsetY_;
        s_._nOriginX = nOriginX_;
        s_._nOriginY = nOriginY_;
        s_._nFillColor = nFillColor_;
        s_._nLineColor = nLineColor_;
    }
    KeptPainterState(const KeptPainterState&) = delete;
    KeptPainterState& operator=(const KeptPainterState&) = delete;

private:
    PainterState& s_;
    double fFactorX_, fFactorY_;
    int32_t nOffsetX_, nOffsetY_, nOriginX_, nOriginY_;
    uint32_t nFillColor_, nLineColor_;
};

// Shows the system's wait pointer over a framework window for its lifetime
// and then the window's previous pointer; devices that are no window (memory
// bitmap, printer, metafile) have no pointer.
class WaitPointer {
public:
    explicit WaitPointer(GraphicsDevice* oDevice) : oWindow_(dynamic_cast<Window*>(oDevice))
    {
        if (oWindow_ == nullptr) return;
        oKept_ = oWindow_->GetPointer();
        oWindow_->SetPointer(Pointer::System(IDC_WAIT));
    }
    ~WaitPointer()
    {
        if (oWindow_ != nullptr) oWindow_->SetPointer(oKept_);
    }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;

private:
    Window* oWindow_;
    Pointer oKept_;
};

// Clips the painter to a box in device pixels for its lifetime, then back to
// the clip rectangle it had.
class AreaClip {
public:
    AreaClip(Graphics& g, PainterState& s, double x, double y, double w, double h)
        : g_(g),
          nX_(s._nClipX),
          nY_(s._nClipY),
          nWidth_(s._nClipWidth),
          nHeight_(s._nClipHeight)
    {
        g.SetClipRegion(x, y, w, h, 0);
    }
    ~AreaClip() { g_.SetClipRegion(nX_, nY_, nWidth_, nHeight_, 0); }
    AreaClip(const AreaClip&) = delete;
    AreaClip& operator=(const AreaClip&) = delete;

private:
    Graphics& g_;
    int32_t nX_, nY_, nWidth_, nHeight_;
};

int32_t ClampedDifference(int32_t a, int32_t b)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{a} - b, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

std::string ShapeFile::IndexFileName() const
{
    // Only a main file named *.shp (any case) has an index file: the same
    // name with the extension's letters p turned to x.
    const std::size_t n = _cFileName.size();
    if (n < 4 || _cFileName[n - 4] != '.' || std::tolower(static_cast<unsigned char>(_cFileName[n - 3])) != 's' ||
        std::tolower(static_cast<unsigned char>(_cFileName[n - 2])) != 'h' ||
        std::tolower(static_cast<unsigned char>(_cFileName[n - 1])) != 'p') {
        return {};
    }
    std::string cIndex = _cFileName;
    cIndex[n - 1] = cIndex[n - 1] == 'P' ? 'X' : 'x';
    return cIndex;
}

ShapeFile::IndexFileRead ShapeFile::ReadIndexFile(std::vector<uint8_t>& aEntries, uint64_t nMaxEntries) const
{
    const std::string cIndex = IndexFileName();
    if (cIndex.empty() || !FileExists(cIndex)) return IndexFileRead::kNone;
    HANDLE hIndex = FOpen(cIndex, FO_READ | FO_SHARED);
    if (hIndex == F_ERROR) return IndexFileRead::kNone;
    IndexFileRead eRead = IndexFileRead::kNone;
    LARGE_INTEGER nSize{};
    uint8_t aHeader[kHeaderSize];
    if (GetFileSizeEx(hIndex, &nSize) && nSize.QuadPart >= static_cast<LONGLONG>(kHeaderSize) &&
        FRead(hIndex, aHeader, kHeaderSize) == kHeaderSize &&
        static_cast<int32_t>(BigEndianWord(aHeader)) == kFileCode) {
        // No more entries than records fit into the main file: the rest of
        // an index file, however long, is never read.
        const uint64_t nEntries = std::min((static_cast<uint64_t>(nSize.QuadPart) - kHeaderSize) / 8, nMaxEntries);
        eRead = nEntries <= std::numeric_limits<std::size_t>::max() / 8 ? IndexFileRead::kRead : IndexFileRead::kFailed;
        try {
            if (eRead == IndexFileRead::kRead) aEntries.resize(static_cast<std::size_t>(nEntries * 8));
        } catch (const std::bad_alloc&) {
            eRead = IndexFileRead::kFailed;
        }
        for (std::size_t nDone = 0; eRead == IndexFileRead::kRead && nDone < aEntries.size();) {
            const auto nChunk = static_cast<DWORD>(std::min<std::size_t>(aEntries.size() - nDone, kIndexChunk));
            if (FRead(hIndex, aEntries.data() + nDone, nChunk) != nChunk) eRead = IndexFileRead::kNone;
            nDone += nChunk;
        }
    }
    FClose(hIndex);
    return eRead;
}

ShapeFile::FilesStamp ShapeFile::Stamp() const
{
    FilesStamp o;
    LARGE_INTEGER nSize{};
    FILETIME oTime{};
    if (GetFileSizeEx(_pFileHandle, &nSize)) o.nMainSize = static_cast<uint64_t>(nSize.QuadPart);
    if (GetFileTime(_pFileHandle, nullptr, nullptr, &oTime))
        o.nMainTime = (uint64_t{oTime.dwHighDateTime} << 32) | oTime.dwLowDateTime;
    WIN32_FILE_ATTRIBUTE_DATA oIndex{};
    const std::string cIndex = IndexFileName();
    if (!cIndex.empty() && GetFileAttributesExA(cIndex.c_str(), GetFileExInfoStandard, &oIndex)) {
        o.nIndexSize = (uint64_t{oIndex.nFileSizeHigh} << 32) | oIndex.nFileSizeLow;
        o.nIndexTime = (uint64_t{oIndex.ftLastWriteTime.dwHighDateTime} << 32) | oIndex.ftLastWriteTime.dwLowDateTime;
    }
    return o;
}

void ShapeFile::ApplyRecordColor(int32_t nBaseType, uint32_t nColor)
{
    PainterState& s = PainterFields::Of(*_oPainter);
    (BaseTypeOf(nBaseType).lFillColor ? s._nFillColor : s._nLineColor) = nColor;
}

bool ShapeFile::SelectedForDrawing(const ShapeIndexEntry& oEntry, uint32_t nEntry) const
{
    return (!_lSelectTest || TestSelection(oEntry.fXMin, oEntry.fYMin, oEntry.fXMax, oEntry.fYMax)) &&
           (!_lExtract || TestExtraction(nEntry));
}

bool ShapeFile::FailForMemory(uint32_t nEntry, uint64_t nOffset, std::string cWhat)
{
    lOutOfMemory_ = true;
    return Fail(nEntry, nOffset, std::move(cWhat));
}

void ShapeFile::EntriesFree::operator()(ShapeIndexEntry* p) const
{
    MemFree(p);
}

bool ShapeFile::RunShapeFirst(bool lDraw)
{
    _oFault.reset();
    if (_pFileHandle == nullptr) return Fail(0, 0, "the main file is not open");
    const FilesStamp oStamp = Stamp();
    if (failedPass_ && failedPass_->oStamp == oStamp) {
        // The map shows what the failed pass drew, every time.
        if (lDraw) DrawEntries(failedPass_->pEntries.get(), failedPass_->nEntries);
        _oFault = failedPass_->oFault;
        return false;
    }
    failedPass_.reset();
    lOutOfMemory_ = false;
    FailedPass oFailed{oStamp, {}, nullptr, 0};
    if (WalkShapeFirst(lDraw, oFailed)) return true;
    if (!lOutOfMemory_ && _oFault) {
        oFailed.oFault = *_oFault;
        failedPass_ = std::move(oFailed);
    }
    return false;
}

bool ShapeFile::WalkShapeFirst(bool lDraw, FailedPass& oFailed)
{
    IndexBlock oIndex;
    // Entries 1 to n - 1 are whole when the pass fails at entry n.
    const auto failAt = [&](uint32_t n, uint64_t nOffset, std::string cWhat) {
        oFailed.nEntries = n - 1;
        oFailed.pEntries.reset(oIndex.Release(n - 1));
        return Fail(n, nOffset, std::move(cWhat));
    };
    std::vector<uint8_t> aIndexFile;
    const uint64_t nMainLength = std::min(_nFileLength, _nFileSize);
    const IndexFileRead eIndexFile =
        ReadIndexFile(aIndexFile, nMainLength > kHeaderSize ? (nMainLength - kHeaderSize) / kRecordHeaderSize : 0);
    if (eIndexFile == IndexFileRead::kFailed) return FailForMemory(0, 0, "out of memory for the index file");
    const bool lIndexFile = eIndexFile == IndexFileRead::kRead;
    const uint64_t nIndexEntries = aIndexFile.size() / 8;
    if (!oIndex.Reserve(nIndexEntries)) return FailForMemory(0, 0, "out of memory for the record index");
    FileWindow oMain(_pFileHandle, _nFileSize);
    uint64_t nPos = kHeaderSize;
    uint32_t nCount = 0;
    for (uint32_t n = 1;; ++n) {
        uint64_t nIndexWords = 0;
        if (lIndexFile) {
            if (n > nIndexEntries) break;
            const uint8_t* p = aIndexFile.data() + 8 * uint64_t{n - 1};
            nPos = uint64_t{BigEndianWord(p)} * 2;
            nIndexWords = BigEndianWord(p + 4);
            if (nPos < kHeaderSize) return failAt(n, nPos, "the index file points into the main file's header");
        }
        if (nPos >= _nFileLength) break;
        uint64_t nGot;
        const uint8_t* pHeader = oMain.Bytes(nPos, kRecordHeaderSize, kReadAhead, nGot);
        if (nGot == 0 && nPos >= _nFileSize) {
            // The walk ends here, as at the end of the file.
            _oFault = ShapeFileFault{n, nPos,
                                     "the file is shorter than its header says (" + Bytes(_nFileSize) + " of " +
                                         Bytes(_nFileLength) + ")"};
            break;
        }
        if (nGot < kRecordHeaderSize) return failAt(n, nPos, "short record header");
        const int32_t nRecordNumber = static_cast<int32_t>(BigEndianWord(pHeader));
        const uint64_t nHeaderWords = BigEndianWord(pHeader + 4);
        const uint64_t nContentPos = nPos + kRecordHeaderSize;
        const auto fits = [&](uint64_t nWords) { return nContentPos / 2 + nWords <= _nFileLength / 2; };
        uint64_t nWords;
        if (lIndexFile && nIndexWords != nHeaderWords && fits(nIndexWords)) {
            nWords = nIndexWords;
        } else if (fits(nHeaderWords)) {
            nWords = nHeaderWords;
        } else {
            return failAt(n, nPos,
                          "the content of " + Bytes(nHeaderWords * 2) + " does not fit the file length " +
                              Bytes(_nFileLength));
        }
        const uint64_t nContentLength = nWords * 2;
        if (!oIndex.Reserve(n)) return FailForMemory(n, nPos, "out of memory for the record index");
        nCount = n;
        nPos = nContentPos + nContentLength;
        if (nContentLength == 0) continue;
        ShapeIndexEntry& oEntry = oIndex[n - 1];
        oEntry.nRecordNumber = nRecordNumber;
        oEntry.nColor = kUnassigned;
        if (nContentLength < 4) continue;
        const uint8_t* pContent = oMain.Bytes(nContentPos, nContentLength, kReadAhead, nGot);
        if (nGot < nContentLength) {
            return failAt(n, nContentPos - kRecordHeaderSize,
                          "short content read: " + Bytes(nGot) + " of " + Bytes(nContentLength));
        }
        const BaseTypeInfo oType = BaseTypeOf(LittleInt(pContent));
        if (oType.nBaseType == kBaseNone) continue;
        if (nContentLength < oType.nFixedHead) {
            NoteDamage(n, nContentPos - kRecordHeaderSize,
                       "a content of " + Bytes(nContentLength) + " is shorter than the " + Bytes(oType.nFixedHead) +
                           " its type needs");
            continue;
        }
        const uint64_t nDataPos = nContentPos + oType.nDataOffset;
        const uint64_t nDataLength = nContentLength - oType.nDataOffset;
        if (nDataPos + nDataLength > std::numeric_limits<uint32_t>::max()) {
            return failAt(n, nContentPos - kRecordHeaderSize, "record data beyond the 4 GB the index can address");
        }
        const Box oBox = RecordBox(oType, pContent);
        oEntry = {nRecordNumber,
                  oType.nBaseType,
                  static_cast<uint32_t>(nDataPos),
                  static_cast<uint32_t>(nDataLength),
                  oBox.xMin,
                  oBox.yMin,
                  oBox.xMax,
                  oBox.yMax,
                  _lRecColor ? GetShapeColor(n) : kUnassigned,
                  RecordPartCount(oType, pContent)};
        if (lDraw && SelectedForDrawing(oEntry, n)) {
            if (_lRecColor) ApplyRecordColor(oType.nBaseType, oEntry.nColor);
            _nDrawEntry = n;
            _nDrawOffset = nDataPos;
            DrawRecord(oType.nBaseType, pContent + oType.nDataOffset, static_cast<std::size_t>(nDataLength));
        } else if (!_oDecoder.Decode(oType.nBaseType, pContent + oType.nDataOffset,
                                     static_cast<std::size_t>(nDataLength))) {
            NoteDamage(n, nDataPos, _oDecoder.Damage());
        }
    }
    MemFree(_pRecIndex);
    _aEntryOfRecNo.clear();
    _pRecIndex = oIndex.Release(nCount);
    _nRecCount = _pRecIndex != nullptr ? nCount : 0;
    return true;
}

bool ShapeFile::RunShapeArray()
{
    _oFault.reset();
    if (_pFileHandle == nullptr) return Fail(0, 0, "the main file is not open");
    return DrawEntries(_pRecIndex, _nRecCount);
}

bool ShapeFile::DrawEntries(ShapeIndexEntry* pEntries, uint32_t nEntries)
{
    std::vector<uint32_t> aToDraw;
    for (uint32_t n = 1; n <= nEntries; ++n) {
        if (pEntries[n - 1].nShapeType > 0 && SelectedForDrawing(pEntries[n - 1], n)) aToDraw.push_back(n);
    }
    FileWindow oMain(_pFileHandle, _nFileSize);
    for (std::size_t i = 0; i < aToDraw.size(); ++i) {
        ShapeIndexEntry& oEntry = pEntries[aToDraw[i] - 1];
        // Reads on over the following records to draw while they lie close
        // behind, so that a run of them costs one read.
        uint64_t nEnd = uint64_t{oEntry.nDataPosition} + oEntry.nDataLength;
        for (std::size_t j = i + 1; j < aToDraw.size() && !oMain.Holds(oEntry.nDataPosition, oEntry.nDataLength); ++j) {
            const ShapeIndexEntry& oNext = pEntries[aToDraw[j] - 1];
            const uint64_t nNextEnd = uint64_t{oNext.nDataPosition} + oNext.nDataLength;
            if (oNext.nDataPosition < nEnd || oNext.nDataPosition - nEnd > kReadOverGap ||
                nNextEnd - oEntry.nDataPosition > kReadAhead) {
                break;
            }
            nEnd = nNextEnd;
        }
        uint64_t nGot;
        const uint8_t* pData = oMain.Bytes(oEntry.nDataPosition, oEntry.nDataLength, nEnd - oEntry.nDataPosition, nGot);
        if (nGot < oEntry.nDataLength) {
            return Fail(aToDraw[i], oEntry.nDataPosition,
                        "short data read: " + Bytes(nGot) + " of " + Bytes(oEntry.nDataLength));
        }
        if (_lRecColor) {
            if (oEntry.nColor == kUnassigned) oEntry.nColor = GetShapeColor(aToDraw[i]);
            ApplyRecordColor(oEntry.nShapeType, oEntry.nColor);
        }
        _nDrawEntry = aToDraw[i];
        _nDrawOffset = oEntry.nDataPosition;
        DrawRecord(oEntry.nShapeType, pData, oEntry.nDataLength);
    }
    return true;
}

bool ShapeFile::PaintShapeFigures()
{
    PainterState& s = PainterFields::Of(*_oPainter);
    if (!_lSelectArea) {
        _fAreaX = 0.0F;
        _fAreaY = 0.0F;
        _fAreaWidth = static_cast<float>(_oPainter->GetDeviceWidth());
        _fAreaHeight = static_cast<float>(_oPainter->GetDeviceHeight());
    }
    // A box without extent or an area under a pixel has no finite scale:
    // nothing to draw, and the painter stays untouched.
    const double fFactorX = (_fAreaWidth - 1.0) / (_r8SelXMax - _r8SelXMin);
    const double fFactorY = (_fAreaHeight - 1.0) / (_r8SelYMax - _r8SelYMin);
    if (!(_fAreaWidth >= 1.0F && _fAreaHeight >= 1.0F) || !std::isfinite(fFactorX) || !std::isfinite(fFactorY) ||
        _r8SelXMax == _r8SelXMin || _r8SelYMax == _r8SelYMin) {
        return true;
    }
    WaitPointer oWait(s._oDevice);
    KeptPainterState oKept(s);
    s._fFactorX = fFactorX;
    s._fFactorY = fFactorY;
    _oPainter->SetWorldOrigin(_fAreaX, _fAreaY);
    std::optional<AreaClip> oClip;
    if (_lSelectArea && _lSelectBox) oClip.emplace(*_oPainter, s, s._nOffsetX, s._nOffsetY, _fAreaWidth, _fAreaHeight);
    s._nOffsetX = ClampedDifference(s._nOffsetX, Long(_r8SelXMin * fFactorX));
    s._nOffsetY = ClampedDifference(s._nOffsetY, Long(_r8SelYMin * fFactorY));
    return _nRecCount == 0 ? RunShapeFirst(true) : RunShapeArray();
}
