#include "platform/framework/filepath.h"

FileSpec::FileSpec(const std::string& fileName) : fullPath_(fileName)
{
    size_t rest = 0;
    if (fileName.size() >= 2 && fileName[1] == ':') {
        rest = 2;
    } else if (fileName.rfind("\\\\", 0) == 0) {
        // \\server\share
        size_t share = fileName.find('\\', 2);
        rest = share == std::string::npos ? fileName.size() : fileName.find('\\', share + 1);
        if (rest == std::string::npos) rest = fileName.size();
    }
    drive_ = fileName.substr(0, rest);
    size_t slash = fileName.find_last_of("\\/");
    size_t name = slash == std::string::npos || slash < rest ? rest : slash + 1;
    path_ = fileName.substr(rest, name - rest);
    std::string file = fileName.substr(name);
    size_t dot = file.find_last_of('.');
    fileName_ = file.substr(0, dot);
    extension_ = dot == std::string::npos ? "" : file.substr(dot);
}
