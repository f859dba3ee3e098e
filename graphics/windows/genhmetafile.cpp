#include "graphics/windows/genhmetafile.h"

#include "graphics/objects/objectshape.h"
#include "platform/runtime/files.h"
#include "platform/runtime/numtext.h"

std::string gEnhMetaFile::DefaultFileName()
{
    return ProgramDir() + "lumatile.emf";
}

std::string gEnhMetaFile::Description(const std::string& cDescription)
{
    const size_t nSemicolon = cDescription.find(';');
    if (nSemicolon == std::string::npos) return std::string("Tessaray") + '\0' + cDescription + '\0' + '\0';
    return "Tessaray / " + cDescription.substr(0, nSemicolon) + '\0' + cDescription.substr(nSemicolon + 1) + '\0' +
           '\0';
}

gEnhMetaFile::gEnhMetaFile(const std::string& cFile, std::optional<double> nWidth, std::optional<double> nHeight,
                           const std::string& cDescription, bool lPaint)
{
    const double fWidth = nWidth.value_or(0), fHeight = nHeight.value_or(0);
    const bool lSized = fWidth > 0 && fHeight > 0;
    const std::string cText = Description(cDescription);

    HDC hScreen = GetDC(nullptr);
    if (lSized) {
        const double fPixelsX = double(GetDeviceCaps(hScreen, HORZRES)) / GetDeviceCaps(hScreen, HORZSIZE);
        const double fPixelsY = double(GetDeviceCaps(hScreen, VERTRES)) / GetDeviceCaps(hScreen, VERTSIZE);
        _nCanvasWidth = Long(fWidth * fPixelsX);
        _nCanvasHeight = Long(fHeight * fPixelsY);
    }
    _pReferenceBmp = CreateCompatibleBitmap(hScreen, _nCanvasWidth, _nCanvasHeight);
    _pReferenceDC = CreateCompatibleDC(hScreen);
    _pReferenceBmpOld = SelectObject(_pReferenceDC, _pReferenceBmp);

    const RECT oFrame{0, 0, Long(fWidth * 100), Long(fHeight * 100)};
    const RECT* pFrame = lSized ? &oFrame : nullptr;
    _pMetafileDC = CreateEnhMetaFileA(_pReferenceDC, cFile.c_str(), pFrame, cText.c_str());
    if (_pMetafileDC == nullptr) _pMetafileDC = CreateEnhMetaFileA(nullptr, cFile.c_str(), pFrame, cText.c_str());
    if (_pMetafileDC != nullptr) {
        SetMapMode(_pMetafileDC, MM_ANISOTROPIC);
        SetViewportExtEx(_pMetafileDC, _nCanvasWidth, _nCanvasHeight, nullptr);
        SetWindowExtEx(_pMetafileDC, _nCanvasWidth, -_nCanvasHeight, nullptr);
        SetViewportOrgEx(_pMetafileDC, 0, _nCanvasHeight - 1, nullptr);
    }
    _nDeviceTyp = kDeviceMetafile;
    _oGraphics = std::make_unique<Graphics>(*this, _nCanvasWidth, _nCanvasHeight);
    if (lPaint) PaintNew();
    ReleaseDC(nullptr, hScreen);
}

gEnhMetaFile::~gEnhMetaFile()
{
    Destroy();
}

gEnhMetaFile& gEnhMetaFile::Destroy()
{
    if (_pMetafileDC != nullptr) {
        DeleteEnhMetaFile(CloseEnhMetaFile(_pMetafileDC));
        _pMetafileDC = nullptr;
    }
    if (_pReferenceDC != nullptr) {
        DeleteObject(SelectObject(_pReferenceDC, _pReferenceBmpOld));
        DeleteDC(_pReferenceDC);
        _pReferenceDC = nullptr;
        _pReferenceBmp = nullptr;
    }
    if (_oGraphics) {
        _oGraphics->Destroy();
        _oGraphics.reset();
    }
    return *this;
}

gEnhMetaFile& gEnhMetaFile::PaintNew()
{
    if (_oGraphics && _oGraphics->PrepareAreaPaint()) Paint();
    return *this;
}

void gEnhMetaFile::Draw(objectShape& oShape)
{
    oShape.Draw();
}

void gEnhMetaFile::Draw(const std::vector<objectShape*>& aShapes)
{
    objectShape::DrawEach(aShapes);
}
