#include "tests/printing/pdf_jobs.h"

#include <dlgs.h>

#include <cstdio>
#include <cstdlib>

namespace printtest {

namespace {

// Every run starts with an empty folder pdf\: only its own jobs are read back.
class PdfFolderEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        const std::string folder = PdfFolder();
        CreateDirectoryA(folder.c_str(), nullptr);
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) return;
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + entry.cFileName).c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
};

const ::testing::Environment* const gPdfFolder = ::testing::AddGlobalTestEnvironment(new PdfFolderEnvironment);

PrintSetupAnswer* gAnswer = nullptr;

}  // namespace

::testing::AssertionResult SpoolOnPdfPrinter(RecordingSeam& seam)
{
    seam.spool = true;
    const char* missing = ": the printing tests need the PDF printer that scripts/test.sh makes (a CUPS scheduler of "
                          "its own with the queue PDF, the default printer of the build's Wine prefix)";
    if (!std::getenv("CUPS_SERVER"))
        return ::testing::AssertionFailure() << "no CUPS scheduler (CUPS_SERVER is not set)" << missing;
    const std::string printer = seam.DefaultPrinter();
    if (printer.rfind("PDF,", 0) != 0)
        return ::testing::AssertionFailure() << "the default printer is '" << printer << "', not PDF" << missing;
    return ::testing::AssertionSuccess();
}

std::string NewJobTag(RecordingSeam& seam)
{
    static int count = 0;
    char tag[32];
    std::snprintf(tag, sizeof tag, "mdx%04lx%08lx%02d", GetCurrentProcessId() & 0xFFFF, GetTickCount(), ++count % 100);
    seam.jobTag = std::string(" ") + tag;
    return tag;
}

std::string JsonText(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                        utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    std::string json = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string JsonNumber(double number)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", number);
    return text;
}

std::string JsonList(const std::vector<std::string>& items)
{
    std::string json = "[";
    for (const std::string& item : items) json += (json.size() > 1 ? ", " : "") + item;
    return json + "]";
}

std::string JsonBox(int left, int top, int right, int bottom)
{
    return JsonList({JsonNumber(left), JsonNumber(top), JsonNumber(right), JsonNumber(bottom)});
}

std::string JsonObject(const std::vector<std::pair<std::string, std::string>>& fields)
{
    std::string json = "{";
    for (const auto& [key, value] : fields) json += (json.size() > 1 ? ",\n " : "") + JsonText(key) + ": " + value;
    return json + "}";
}

void ExpectPdf(const RecordingSeam& seam, std::vector<std::pair<std::string, std::string>> fields)
{
    const std::string tag = seam.jobTag.substr(1);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    fields.insert(fields.begin(), {"test", JsonText(std::string(test->test_suite_name()) + "." + test->name())});
    fields.insert(fields.begin(), {"job", JsonText(tag)});
    const std::string json = JsonObject(fields) + "\n";
    FILE* file = std::fopen((PdfFolder() + tag + ".json").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(json.data(), 1, json.size(), file);
    std::fclose(file);
}

std::string PdfFolder()
{
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    return std::string(folder) + "\\pdf\\";
}

PrintSetupAnswer::PrintSetupAnswer(int button, const std::string& printer, int orientation)
    : button_(button),
      printer_(printer),
      orientation_(orientation),
      timer_(SetTimer(nullptr, 0, 100, Look))
{
    gAnswer = this;
}

PrintSetupAnswer::~PrintSetupAnswer()
{
    KillTimer(nullptr, timer_);
    gAnswer = nullptr;
}

void CALLBACK PrintSetupAnswer::Look(HWND, UINT, UINT_PTR, DWORD)
{
    if (gAnswer && !gAnswer->answered_) EnumThreadWindows(GetCurrentThreadId(), Answer, 0);
}

BOOL CALLBACK PrintSetupAnswer::Answer(HWND window, LPARAM)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    // The set-up dialog: a dialog with printer and paper lists and the two
    // orientations.
    if (std::string(name) != "#32770" || !IsWindowVisible(window) || !GetDlgItem(window, cmb1) ||
        !GetDlgItem(window, cmb2) || !GetDlgItem(window, rad1) || !GetDlgItem(window, rad2))
        return TRUE;
    PrintSetupAnswer& answer = *gAnswer;
    answer.answered_ = true;
    HWND printers = GetDlgItem(window, cmb1);
    const LRESULT index = SendMessageA(printers, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(answer.printer_.c_str()));
    if (index != CB_ERR) {
        SendMessageA(printers, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(printers));
    }
    if (answer.orientation_)
        SendDlgItemMessageA(window, answer.orientation_ == DMORIENT_LANDSCAPE ? rad2 : rad1, BM_CLICK, 0, 0);
    SendDlgItemMessageA(window, answer.button_, BM_CLICK, 0, 0);
    return FALSE;
}

}  // namespace printtest
