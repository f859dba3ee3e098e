#include "platform/framework/recording_seam.h"

#include <cstring>
#include <utility>

RecordingSeam::RecordingSeam() : previous_(SetSeam(this))
{
}

RecordingSeam::~RecordingSeam()
{
    SetSeam(previous_);
    for (HBITMAP page : pages_) DeleteObject(page);
}

void RecordingSeam::Record(Call call)
{
    std::lock_guard lock(mutex_);
    calls.push_back(std::move(call));
}

std::vector<RecordingSeam::Call> RecordingSeam::CallsOf(const std::string& kind) const
{
    std::lock_guard lock(mutex_);
    std::vector<Call> result;
    for (const Call& call : calls)
        if (call.kind == kind) result.push_back(call);
    return result;
}

int RecordingSeam::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    Record({"MessageBox", text, caption, type, owner});
    std::lock_guard lock(mutex_);
    if (messageBoxAnswers.empty()) return IDOK;
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

bool RecordingSeam::ChooseFile(OPENFILENAMEA& request, bool open)
{
    Record({open ? "OpenFile" : "SaveFile", request.lpstrFile ? request.lpstrFile : "",
            request.lpstrTitle ? request.lpstrTitle : "", static_cast<long long>(request.Flags), request.hwndOwner});
    if (inspectFileRequest) inspectFileRequest(request);
    if (fileAnswers.empty()) return false;
    std::string answer = fileAnswers.front();
    fileAnswers.pop_front();
    // An answer may hold several names separated by NUL characters.
    if (answer.empty() || !request.lpstrFile || answer.size() + 2 > request.nMaxFile) return false;
    memcpy(request.lpstrFile, answer.data(), answer.size());
    request.lpstrFile[answer.size()] = request.lpstrFile[answer.size() + 1] = '\0';
    size_t name = answer.find_last_of("\\/");
    request.nFileOffset = static_cast<WORD>(name == std::string::npos ? 0 : name + 1);
    size_t dot = answer.find_last_of('.');
    request.nFileExtension =
        static_cast<WORD>(dot == std::string::npos || dot < request.nFileOffset ? answer.size() : dot + 1);
    return open || saveExtendedError == 0;
}

bool RecordingSeam::ChooseScreenFont(CHOOSEFONTA& request)
{
    Record({"Font", request.lpLogFont ? request.lpLogFont->lfFaceName : "", "", static_cast<long long>(request.Flags),
            request.hwndOwner});
    if (inspectFontRequest) inspectFontRequest(request);
    if (fontAnswers.empty()) return false;
    std::optional<LOGFONTA> answer = fontAnswers.front();
    fontAnswers.pop_front();
    if (!answer || !request.lpLogFont) return false;
    *request.lpLogFont = *answer;
    return true;
}

bool RecordingSeam::ChoosePaletteColor(CHOOSECOLORA& request)
{
    Record({"Color", "", "", static_cast<long long>(request.rgbResult), request.hwndOwner});
    if (colorAnswers.empty()) return false;
    std::optional<COLORREF> answer = colorAnswers.front();
    colorAnswers.pop_front();
    if (!answer) return false;
    request.rgbResult = *answer;
    return true;
}

bool RecordingSeam::ChooseFolder(HWND owner, const std::string& title, std::string& folder)
{
    Record({"Folder", folder, title, 0, owner});
    if (folderAnswers.empty()) return false;
    std::string answer = folderAnswers.front();
    folderAnswers.pop_front();
    if (answer.empty()) return false;
    folder = answer;
    return true;
}

bool RecordingSeam::PlaySystemSound(const std::string& alias)
{
    Record({"Sound", alias, "", 0, nullptr});
    return soundsPlay;
}

void RecordingSeam::SystemBeep(UINT type)
{
    Record({"Beep", "", "", type, nullptr});
}

void RecordingSeam::Tone(int frequency, int milliseconds)
{
    Record({"Tone", "", std::to_string(milliseconds), frequency, nullptr});
}

UINT RecordingSeam::StartProgram(const std::string& commandLine, int showCommand)
{
    Record({"StartProgram", commandLine, "", showCommand, nullptr});
    return startProgramAnswer;
}

INT_PTR RecordingSeam::ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                                        const std::string& parameters, const std::string& directory, int showCommand)
{
    Record({"ShellExecute", file, verb + "|" + parameters + "|" + directory, showCommand, owner});
    return shellExecuteAnswer;
}

HWND RecordingSeam::ShowHelp(HWND caller, const std::string& file, UINT command, const std::string& topic)
{
    Record({"Help", file, topic, command, caller});
    return helpAnswer;
}

bool RecordingSeam::PrintSetup(PRINTDLGA& request)
{
    Record({"PrintSetup", "", "", static_cast<long long>(request.Flags), request.hwndOwner});
    return spool ? previous_->PrintSetup(request) : printSetupAnswer;
}

std::string RecordingSeam::DefaultPrinter()
{
    return spool ? previous_->DefaultPrinter() : defaultPrinter;
}

HDC RecordingSeam::CreatePrinterDC(const std::string& driver, const std::string& device, const DEVMODEA* mode)
{
    Record({"PrinterDC", device, driver, mode ? mode->dmOrientation : 0, nullptr});
    if (spool) return previous_->CreatePrinterDC(driver, device, mode);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP page = CreateCompatibleBitmap(screen, GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES));
    ReleaseDC(nullptr, screen);
    pages_.push_back(page);
    SelectObject(dc, page);
    WhitePage(dc);
    return dc;
}

void RecordingSeam::WhitePage(HDC printer)
{
    RECT all{0, 0, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
    FillRect(printer, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

COLORREF RecordingSeam::PrintedPage::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height) return RGB(255, 255, 255);
    return pixels[static_cast<size_t>(y) * width + x];
}

void RecordingSeam::KeepPage(HDC printer)
{
    auto* bitmap = static_cast<HBITMAP>(GetCurrentObject(printer, OBJ_BITMAP));
    BITMAP size{};
    if (!bitmap || !GetObjectA(bitmap, sizeof size, &size)) return;
    PrintedPage page{size.bmWidth, size.bmHeight, std::vector<COLORREF>(size_t(size.bmWidth) * size.bmHeight)};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    // GetDIBits wants the bitmap out of every DC: it goes back afterwards.
    HBITMAP standIn = CreateCompatibleBitmap(printer, 1, 1);
    SelectObject(printer, standIn);
    GetDIBits(printer, bitmap, 0, size.bmHeight, page.pixels.data(), &info, DIB_RGB_COLORS);
    SelectObject(printer, bitmap);
    DeleteObject(standIn);
    // DIB pixels are 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    for (COLORREF& pixel : page.pixels) pixel = RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel));
    printedPages.push_back(std::move(page));
    WhitePage(printer);
}

int RecordingSeam::PrintCall(const char* kind, const std::string& text, const std::function<int()>& spooled)
{
    Record({kind, text, "", 0, nullptr});
    if (refusedPrintCall == kind) return 0;
    return spool ? spooled() : 1;
}

int RecordingSeam::StartDocument(HDC printer, const std::string& jobName)
{
    return PrintCall("StartDoc", jobName, [&] { return previous_->StartDocument(printer, jobName + jobTag); });
}

int RecordingSeam::StartPage(HDC printer)
{
    return PrintCall("StartPage", "", [&] { return previous_->StartPage(printer); });
}

int RecordingSeam::EndPage(HDC printer)
{
    if (!spool) KeepPage(printer);
    return PrintCall("EndPage", "", [&] { return previous_->EndPage(printer); });
}

int RecordingSeam::EndDocument(HDC printer)
{
    return PrintCall("EndDoc", "", [&] { return previous_->EndDocument(printer); });
}

int RecordingSeam::AbortDocument(HDC printer)
{
    return PrintCall("AbortDoc", "", [&] { return previous_->AbortDocument(printer); });
}
