#include "platform/framework/recording_seam.h"

#include <cstring>

RecordingSeam::RecordingSeam() : previous_(SetSeam(this))
{
}

RecordingSeam::~RecordingSeam()
{
    SetSeam(previous_);
    for (HBITMAP page : pages_) DeleteObject(page);
}

std::vector<RecordingSeam::Call> RecordingSeam::CallsOf(const std::string& kind) const
{
    std::vector<Call> result;
    for (const Call& call : calls)
        if (call.kind == kind) result.push_back(call);
    return result;
}

int RecordingSeam::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    calls.push_back({"MessageBox", text, caption, type, owner});
    if (messageBoxAnswers.empty()) return IDOK;
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

bool RecordingSeam::ChooseFile(OPENFILENAMEA& request, bool open)
{
    calls.push_back({open ? "OpenFile" : "SaveFile", request.lpstrFile ? request.lpstrFile : "",
                     request.lpstrTitle ? request.lpstrTitle : "", static_cast<long long>(request.Flags),
                     request.hwndOwner});
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
    return true;
}

bool RecordingSeam::ChooseFolder(HWND owner, const std::string& title, std::string& folder)
{
    calls.push_back({"Folder", folder, title, 0, owner});
    if (folderAnswers.empty()) return false;
    std::string answer = folderAnswers.front();
    folderAnswers.pop_front();
    if (answer.empty()) return false;
    folder = answer;
    return true;
}

bool RecordingSeam::PlaySystemSound(const std::string& alias)
{
    calls.push_back({"Sound", alias, "", 0, nullptr});
    return soundsPlay;
}

void RecordingSeam::SystemBeep(UINT type)
{
    calls.push_back({"Beep", "", "", type, nullptr});
}

void RecordingSeam::Tone(int frequency, int milliseconds)
{
    calls.push_back({"Tone", "", std::to_string(milliseconds), frequency, nullptr});
}

UINT RecordingSeam::StartProgram(const std::string& commandLine, int showCommand)
{
    calls.push_back({"StartProgram", commandLine, "", showCommand, nullptr});
    return startProgramAnswer;
}

INT_PTR RecordingSeam::ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                                        const std::string& parameters, const std::string& directory, int showCommand)
{
    calls.push_back({"ShellExecute", file, verb + "|" + parameters + "|" + directory, showCommand, owner});
    return shellExecuteAnswer;
}

HWND RecordingSeam::ShowHelp(HWND caller, const std::string& file, UINT command, const std::string& topic)
{
    calls.push_back({"Help", file, topic, command, caller});
    return helpAnswer;
}

bool RecordingSeam::PrintSetup(PRINTDLGA& request)
{
    calls.push_back({"PrintSetup", "", "", static_cast<long long>(request.Flags), request.hwndOwner});
    return printSetupAnswer;
}

std::string RecordingSeam::DefaultPrinter()
{
    return defaultPrinter;
}

HDC RecordingSeam::CreatePrinterDC(const std::string& driver, const std::string& device, const DEVMODEA* mode)
{
    calls.push_back({"PrinterDC", device, driver, mode ? mode->dmOrientation : 0, nullptr});
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP page = CreateCompatibleBitmap(screen, GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES));
    ReleaseDC(nullptr, screen);
    pages_.push_back(page);
    SelectObject(dc, page);
    RECT all{0, 0, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return dc;
}

int RecordingSeam::PrintCall(const char* kind, const std::string& text)
{
    calls.push_back({kind, text, "", 0, nullptr});
    return refusedPrintCall == kind ? 0 : 1;
}

int RecordingSeam::StartDocument(HDC, const std::string& jobName)
{
    return PrintCall("StartDoc", jobName);
}

int RecordingSeam::StartPage(HDC)
{
    return PrintCall("StartPage");
}

int RecordingSeam::EndPage(HDC)
{
    return PrintCall("EndPage");
}

int RecordingSeam::EndDocument(HDC)
{
    return PrintCall("EndDoc");
}

int RecordingSeam::AbortDocument(HDC)
{
    return PrintCall("AbortDoc");
}
