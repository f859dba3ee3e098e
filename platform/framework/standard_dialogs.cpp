#include "platform/framework/standard_dialogs.h"

#include <htmlhelp.h>

#include "platform/framework/seam.h"

StandardFileDialog::StandardFileDialog(Window* owner, const std::string& initialFileName, bool open)
    : owner_(owner),
      open_(open),
      flags_(OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_ENABLESIZING),
      fileName_(initialFileName)
{
}

void StandardFileDialog::SetStyle(DWORD style, bool on)
{
    flags_ = on ? flags_ | style : flags_ & ~style;
}

void StandardFileDialog::SetFilter(const std::vector<std::string>& masks, const std::vector<std::string>& texts,
                                   int index)
{
    filterList_.clear();
    for (size_t i = 0; i < masks.size(); ++i) {
        filterList_ += (i < texts.size() ? texts[i] : masks[i]) + '\0';
        filterList_ += masks[i] + '\0';
    }
    filterIndex_ = index;
}

OPENFILENAMEA StandardFileDialog::Record(char* buffer, DWORD size) const
{
    OPENFILENAMEA record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = OwnerHandle();
    record.lpstrFile = buffer;
    record.nMaxFile = size;
    record.lpstrFilter = filterList_.empty() ? nullptr : filterList_.c_str();
    record.nFilterIndex = static_cast<DWORD>(filterIndex_);
    record.lpstrInitialDir = initialDirectory_.empty() ? nullptr : initialDirectory_.c_str();
    record.lpstrTitle = caption_.empty() ? nullptr : caption_.c_str();
    record.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    record.Flags = flags_;
    return record;
}

bool StandardFileDialog::Show()
{
    std::vector<char> buffer(4096, '\0');
    fileName_.copy(buffer.data(), buffer.size() - 1);
    OPENFILENAMEA record = Record(buffer.data(), static_cast<DWORD>(buffer.size()));
    bool chosen = TheSeam().ChooseFile(record, open_);
    filterIndex_ = static_cast<int>(record.nFilterIndex);
    fileName_ = chosen ? buffer.data() : "";
    fileNames_.clear();
    return chosen;
}

LRESULT StandardFileDialog::Dispatch(Event&, HWND)
{
    return 0;
}

StandardFolderDialog::StandardFolderDialog(Window* owner, const std::string& title, const std::string& startFolder)
    : owner_(owner),
      title_(title),
      folder_(startFolder)
{
}

bool StandardFolderDialog::Show()
{
    return TheSeam().ChooseFolder(owner_ ? owner_->Handle() : nullptr, title_, folder_);
}

PaletteDialog::PaletteDialog(Window* owner, Color initial) : owner_(owner), color_(initial)
{
}

bool PaletteDialog::Show()
{
    static COLORREF customColors[16] = {};
    CHOOSECOLORA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner_ ? owner_->Handle() : nullptr;
    request.rgbResult = color_.ColorRef();
    request.lpCustColors = customColors;
    request.Flags = CC_RGBINIT;
    if (!TheSeam().ChoosePaletteColor(request)) return false;
    color_ = Color::FromColorRef(request.rgbResult);
    return true;
}

HelpDisplay::HelpDisplay(const std::string& fileName, Window* owner) : fileName_(fileName), owner_(owner)
{
}

void HelpDisplay::Show(const std::string& topic)
{
    HWND caller = owner_ ? owner_->Handle() : nullptr;
    if (topic == "HelpContents")
        TheSeam().ShowHelp(caller, fileName_, HH_DISPLAY_TOC, "");
    else if (topic == "HelpIndex")
        TheSeam().ShowHelp(caller, fileName_, HH_DISPLAY_INDEX, "");
    else
        TheSeam().ShowHelp(caller, fileName_, HH_DISPLAY_TOPIC, topic);
}

void HelpDisplay::Show(const std::string& keyword, Link kind)
{
    HWND caller = owner_ ? owner_->Handle() : nullptr;
    if (TheSeam().ShowHelp(caller, fileName_, kind == Link::ALink ? HH_ALINK_LOOKUP : HH_KEYWORD_LOOKUP, keyword))
        return;
    // A viewer without associative lookups (Wine's) shows the keyword's page.
    if (kind == Link::ALink) TheSeam().ShowHelp(caller, fileName_, HH_DISPLAY_TOPIC, HelpKeywordPage(keyword));
}
