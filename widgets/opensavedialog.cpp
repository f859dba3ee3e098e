#include "widgets/opensavedialog.h"

#include <algorithm>
#include <cstring>

#include "platform/framework/seam.h"

namespace widgets {

namespace {

// The dialog whose Show runs; the dialog is modal, so there is one at most.
OpenSaveDialog* gShownDialog = nullptr;

// Windows before version 4 have no explorer dialog.
DWORD DefaultFlags()
{
    const BYTE major = LOBYTE(LOWORD(GetVersion()));
    return major < 4 ? OFN_PATHMUSTEXIST : OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_ENABLESIZING;
}

std::string Joined(std::string directory, const std::string& name)
{
    if (!directory.empty() && directory.back() == '\\') directory.pop_back();
    return directory + "\\" + name;
}

}  // namespace

OpenSaveDialog::OpenSaveDialog(Window* owner, const std::string& initialFileName, std::optional<bool> open)
    : StandardFileDialog(owner, initialFileName, open.value_or(true))
{
    SetFlags(DefaultFlags());
    SetStyle(IsOpen() ? OFN_FILEMUSTEXIST : OFN_HIDEREADONLY, true);
}

OpenSaveDialog* OpenSaveDialog::Shown()
{
    return gShownDialog;
}

bool OpenSaveDialog::Show()
{
    std::vector<char> buffer(kBufferSize, '\0');
    FileName().copy(buffer.data(), kBufferSize - 1);
    OPENFILENAMEA record = Record(buffer.data(), kBufferSize);
    record.lpfnHook = FuncOpenSaveHook;
    record.Flags |= OFN_ENABLEHOOK;

    gShownDialog = this;
    const bool chosen = TheSeam().ChooseFile(record, IsOpen());
    gShownDialog = nullptr;

    std::vector<std::string> paths;
    if (chosen && IsOpen() && (record.Flags & OFN_ALLOWMULTISELECT))
        paths = SelectedPaths(buffer.data(), buffer.size(), record.Flags & OFN_EXPLORER);
    else if (chosen && buffer.front())
        paths.emplace_back(buffer.data(), strnlen(buffer.data(), buffer.size()));
    SetFileName(paths.size() == 1 ? paths.front() : "");
    SetFileNames(paths.size() > 1 ? paths : std::vector<std::string>{});
    SetFilterIndex(static_cast<int>(record.nFilterIndex));
    SetFlags(record.Flags);
    return !paths.empty();
}

std::vector<std::string> SelectedPaths(const char* buffer, size_t size, bool explorer)
{
    std::vector<std::string> parts;
    if (explorer) {
        for (size_t at = 0; at < size && buffer[at];) {
            const size_t length = strnlen(buffer + at, size - at);
            parts.emplace_back(buffer + at, length);
            at += length + 1;
        }
    } else {
        const std::string line(buffer, strnlen(buffer, size));
        for (size_t at = 0; at < line.size();) {
            const size_t blank = std::min(line.find(' ', at), line.size());
            if (blank > at) parts.push_back(line.substr(at, blank - at));
            at = blank + 1;
        }
    }
    if (parts.size() < 2) return parts;
    std::vector<std::string> paths;
    for (size_t i = 1; i < parts.size(); ++i) paths.push_back(Joined(parts.front(), parts[i]));
    return paths;
}

UINT_PTR CALLBACK FuncOpenSaveHook(HWND hook, UINT message, WPARAM wParam, LPARAM lParam)
{
    OpenSaveDialog* dialog = OpenSaveDialog::Shown();
    if (!dialog) return 0;
    if (message == WM_NOTIFY && lParam && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_HELP) {
        dialog->Help();
        return 1;
    }
    HWND window = (dialog->Flags() & OFN_EXPLORER) ? GetParent(hook) : hook;
    Event event{hook, message, wParam, lParam};
    return dialog->Dispatch(event, window) ? 1 : 0;
}

}  // namespace widgets
