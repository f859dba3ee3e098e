#include "graphics/shapefile/shapefile.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "graphics/core/colors.h"
#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "platform/runtime/files.h"
#include "platform/runtime/memory.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/system.h"

using namespace shapefile;

ShapeFile::ShapeFile(std::string cName, Graphics& oPainter, std::string cFile)
    : _oPainter(&oPainter),
      _cShapeName(std::move(cName)),
      _cFileName(std::move(cFile))
{
    _fAreaWidth = static_cast<float>(oPainter.GetDeviceWidth());
    _fAreaHeight = static_cast<float>(oPainter.GetDeviceHeight());
    HANDLE hFile = FOpen(_cFileName, FO_READ | FO_SHARED);
    if (hFile == F_ERROR) return;
    _pFileHandle = hFile;
    LARGE_INTEGER nSize;
    if (GetFileSizeEx(hFile, &nSize)) _nFileSize = static_cast<uint64_t>(nSize.QuadPart);
}

ShapeFile::~ShapeFile()
{
    if (_pFileHandle != nullptr) FClose(_pFileHandle);
    MemFree(_pRecIndex);
}

bool ShapeFile::ReadFileHeader()
{
    if (_pFileHandle == nullptr) return false;
    uint8_t aHeader[kHeaderSize];
    if (FSeek(_pFileHandle, 0) != 0 || FRead(_pFileHandle, aHeader, kHeaderSize) < kHeaderSize) return false;
    const FileHeader oHeader = ParseFileHeader(aHeader);
    if (oHeader.nFileCode != kFileCode) return false;
    _nFileLength = oHeader.nFileLength;
    _nShapeType = oHeader.nShapeType;
    _r8FileXMin = _r8SelXMin = oHeader.oBox.xMin;
    _r8FileYMin = _r8SelYMin = oHeader.oBox.yMin;
    _r8FileXMax = _r8SelXMax = oHeader.oBox.xMax;
    _r8FileYMax = _r8SelYMax = oHeader.oBox.yMax;
    return IsAcceptableBox(oHeader.oBox);
}

// ---- Colours ----

ShapeFile& ShapeFile::SetShapeColorNormal()
{
    _nColorMode = kColorNormal;
    _lRecColor = false;
    _nFillMode = 1;
    for (uint32_t n = 0; n < _nRecCount; ++n) _pRecIndex[n].nColor = 0xFFFFFFFF;
    return *this;
}

ShapeFile& ShapeFile::SetShapeColorTrans()
{
    _nColorMode = kColorNormal;
    _lRecColor = false;
    _nFillMode = 0;
    return *this;
}

ShapeFile& ShapeFile::SetShapeColorRandom()
{
    _nColorMode = kColorRandom;
    _lRecColor = true;
    _nFillMode = 1;
    return *this;
}

ShapeFile& ShapeFile::SetShapeColorArray(const Value& aColors)
{
    _nColorMode = kColorArray;
    _lRecColor = true;
    _nFillMode = 1;
    if (aColors.IsArray()) _aColors = aColors.AsArray();
    return *this;
}

uint32_t ShapeFile::GetShapeColor(uint32_t nEntry)
{
    if (_nColorMode == kColorArray) {
        if (nEntry < 1 || _aColors.IsNull() || _aColors.Len() < nEntry) return 0;
        const Value& uColor = _aColors[nEntry];
        return uColor.IsNumber() ? static_cast<uint32_t>(Long(uColor.AsNumber())) & 0xFFFFFF : 0;
    }
    if (_nColorMode == kColorRandom) {
        // One seed and one table size for the whole run, shared by all files.
        static const double nColors = [] {
            if (gaColorArray.empty()) SetColorArray();
            RandomSeed(static_cast<uint32_t>(Seconds()));
            return static_cast<double>(gaColorArray.size());
        }();
        return ChangeNum2Rgb(static_cast<int32_t>(GInteg(Random() * nColors - 1.0)) + 1);
    }
    return 0;
}

// ---- Selection box and output area ----

ShapeFile& ShapeFile::SetShapeSelectBox(double x1, double y1, double x2, double y2)
{
    _r8SelXMin = x1;
    _r8SelYMin = y1;
    _r8SelXMax = x2;
    _r8SelYMax = y2;
    _lSelectBox = true;
    if (_r8FileXMax > x2 || _r8FileXMin < x1 || _r8FileYMax > y2 || _r8FileYMin < y1) _lSelectTest = true;
    return *this;
}

ShapeFile& ShapeFile::SetShapeUnselectBox()
{
    _r8SelXMin = _r8FileXMin;
    _r8SelYMin = _r8FileYMin;
    _r8SelXMax = _r8FileXMax;
    _r8SelYMax = _r8FileYMax;
    _lSelectBox = false;
    _lSelectTest = false;
    return *this;
}

bool ShapeFile::TestSelection(double xMin, double yMin, double xMax, double yMax) const
{
    return !(xMax < _r8SelXMin || xMin > _r8SelXMax || yMax < _r8SelYMin || yMin > _r8SelYMax);
}

ShapeFile& ShapeFile::SetShapeSelectArea(double x, double y, double nWidth, double nHeight)
{
    _fAreaX = static_cast<float>(x);
    _fAreaY = static_cast<float>(y);
    _fAreaWidth = static_cast<float>(nWidth);
    _fAreaHeight = static_cast<float>(nHeight);
    _lSelectArea = true;
    return *this;
}

ShapeFile& ShapeFile::SetShapeUnselectArea()
{
    _lSelectArea = false;
    return *this;
}

// ---- Extraction list ----

ShapeFile& ShapeFile::SetShapeExtractRec(const Array& aEntries, bool lInvert)
{
    // Only whole numbers from 1 up can equal an entry position.
    _aExtract.clear();
    if (!aEntries.IsNull()) {
        for (const Value& u : aEntries) {
            if (!u.IsNumber()) continue;
            const double f = u.AsNumber();
            if (f >= 1 && f <= 4294967295.0 && f == std::floor(f)) _aExtract.push_back(static_cast<uint32_t>(f));
        }
    }
    std::sort(_aExtract.begin(), _aExtract.end());
    _lExtract = true;
    _lExtractInvert = lInvert;
    return *this;
}

ShapeFile& ShapeFile::SetShapeUnextractRec()
{
    _aExtract.clear();
    _lExtract = false;
    _lExtractInvert = false;
    return *this;
}

bool ShapeFile::TestExtraction(uint32_t nEntry) const
{
    return std::binary_search(_aExtract.begin(), _aExtract.end(), nEntry) != _lExtractInvert;
}

// ---- Faults ----

bool ShapeFile::Fail(uint32_t nEntry, uint64_t nOffset, std::string cWhat)
{
    _oFault = ShapeFileFault{nEntry, nOffset, std::move(cWhat)};
    return false;
}

void ShapeFile::NoteDamage(uint32_t nEntry, uint64_t nOffset, std::string cWhat)
{
    _oFault = ShapeFileFault{nEntry, nOffset, "damaged record: " + std::move(cWhat)};
}
