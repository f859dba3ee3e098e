// The parts of a file name: drive, path, name and extension.
#pragma once

#include <string>

class FileSpec {
public:
    explicit FileSpec(const std::string& fileName);
    // The file name as given.
    const std::string& FullPath() const { return fullPath_; }
    // "C:" (or "\\server\share"), empty when the name has none.
    const std::string& Drive() const { return drive_; }
    // The directories after the drive with a trailing backslash ("\daten\").
    const std::string& Path() const { return path_; }
    // The name without directories and extension.
    const std::string& FileName() const { return fileName_; }
    // The extension with its dot (".txt"), empty when there is none.
    const std::string& Extension() const { return extension_; }

private:
    std::string fullPath_;
    std::string drive_;
    std::string path_;
    std::string fileName_;
    std::string extension_;
};
