// The system's standard dialogs for files, folders and colours, and the help
// display.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "platform/framework/window.h"

// The Windows open or save file dialog. Its settings (flags, caption,
// filter, initial directory, default extension) are kept in the object;
// Show runs the dialog through the seam and leaves the chosen path in
// FileName.
class StandardFileDialog {
public:
    StandardFileDialog(Window* owner, const std::string& initialFileName, bool open = true);
    virtual ~StandardFileDialog() = default;

    HWND OwnerHandle() const { return owner_ ? owner_->Handle() : nullptr; }
    bool IsOpen() const { return open_; }

    DWORD Flags() const { return flags_; }
    void SetFlags(DWORD flags) { flags_ = flags; }
    // Sets (on true) or clears the OPENFILENAME flag bits of style.
    void SetStyle(DWORD style, bool on);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    // The filter list from masks and their texts, and the filter chosen (from 1).
    void SetFilter(const std::vector<std::string>& masks, const std::vector<std::string>& texts, int index);
    // The filter list as OPENFILENAME wants it: text, NUL, mask, NUL ...; the
    // final NUL is that of c_str().
    const std::string& FilterList() const { return filterList_; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& InitialDirectory() const { return initialDirectory_; }
    void SetInitialDirectory(const std::string& directory) { initialDirectory_ = directory; }
    const std::string& DefaultExtension() const { return defaultExtension_; }
    void SetDefaultExtension(const std::string& extension) { defaultExtension_ = extension; }

    // The initial file name before Show, the chosen path after it (empty
    // when cancelled). A multiple selection gives its full paths in FileNames.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }
    const std::vector<std::string>& FileNames() const { return fileNames_; }
    void SetFileNames(const std::vector<std::string>& fileNames) { fileNames_ = fileNames; }

    // Runs the dialog; true when a file was chosen.
    virtual bool Show();
    // Shows help for the dialog (its help button); nothing by default.
    virtual void Help() {}
    // The framework's handling of one message of the running dialog;
    // non-zero when handled. Nothing is handled by default.
    virtual LRESULT Dispatch(Event& event, HWND dialog);

protected:
    // The OPENFILENAME record of the settings, for a file-name buffer.
    OPENFILENAMEA Record(char* buffer, DWORD size) const;

private:
    Window* owner_;
    bool open_;
    DWORD flags_;
    std::string caption_;
    std::string filterList_;
    int filterIndex_ = 1;
    std::string initialDirectory_;
    std::string defaultExtension_;
    std::string fileName_;
    std::vector<std::string> fileNames_;
};

// The system's folder chooser.
class StandardFolderDialog {
public:
    StandardFolderDialog(Window* owner, const std::string& title, const std::string& startFolder);
    // Runs the dialog; true when a folder was chosen.
    bool Show();
    // The chosen folder (the start folder before Show).
    const std::string& Result() const { return folder_; }

private:
    Window* owner_;
    std::string title_;
    std::string folder_;
};

// The system's colour chooser, starting at a colour. The sixteen custom
// colours the user defines in it are kept for the run.
class PaletteDialog {
public:
    PaletteDialog(Window* owner, Color initial);
    // Runs the chooser; true when the user chose a colour.
    bool Show();
    // The chosen colour; the initial one before Show and after a cancel.
    Color GetColor() const { return color_; }

private:
    Window* owner_;
    Color color_;
};

// The compiled HTML help file of a window.
class HelpDisplay {
public:
    enum class Link { ALink, KLink };

    HelpDisplay(const std::string& fileName, Window* owner);
    const std::string& FileName() const { return fileName_; }
    // Shows a topic: "HelpContents" the contents, "HelpIndex" the index,
    // any other text the topic of that path in the file.
    void Show(const std::string& topic);
    // Shows the topic that an associative or keyword link lookup finds; when
    // the viewer answers an associative lookup with no window, the keyword's
    // page (HelpKeywordPage).
    void Show(const std::string& keyword, Link kind);

private:
    std::string fileName_;
    Window* owner_;
};
