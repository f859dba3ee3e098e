// The program's open and save file dialog: the framework's file dialog with
// explorer-style defaults, a 4096-byte file-name buffer, a hook that hands
// the dialog's messages to Dispatch and its help button to Help, and a
// multiple selection turned into full paths.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/framework/standard_dialogs.h"

namespace widgets {

class OpenSaveDialog : public StandardFileDialog {
public:
    // The size of the file-name buffer, multiple selections included.
    static constexpr DWORD kBufferSize = 4096;

    // An open dialog unless open is false. The flags are the explorer dialog's
    // (OFN_PATHMUSTEXIST alone before Windows 4) plus OFN_FILEMUSTEXIST for
    // opening or OFN_HIDEREADONLY for saving.
    OpenSaveDialog(Window* owner, const std::string& initialFileName, std::optional<bool> open = std::nullopt);

    // Runs the dialog; true when a file was chosen. Afterwards FileName is
    // the chosen path, or empty after a cancel, a failure or a selection of
    // several files, whose full paths are then in FileNames. The filter
    // index and the flags the dialog left (OFN_ENABLEHOOK among them) stay.
    bool Show() override;

    // The dialog being shown; null outside Show.
    static OpenSaveDialog* Shown();
};

// The full paths of a multiple selection in the buffer the dialog filled:
// with explorer, NUL-separated strings (directory, then names) ending in an
// empty one; without, one string of blank-separated parts. One element is
// the chosen path itself. Never reads past the buffer's size.
std::vector<std::string> SelectedPaths(const char* buffer, size_t size, bool explorer);

// The dialog's hook: the help button runs the dialog's Help and answers 1;
// every other message goes to its Dispatch with the dialog window (the
// hook window's parent for the explorer dialog), 1 when handled.
UINT_PTR CALLBACK FuncOpenSaveHook(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace widgets
