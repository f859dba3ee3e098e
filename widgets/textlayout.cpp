#include "widgets/textlayout.h"

#include <limits>

#include "lib/faststring.h"

namespace widgets {

namespace {

std::string TrimmedBlanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string> Paragraphs(const std::string& text)
{
    const std::string separator = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<std::string> paragraphs;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + separator.size())
        paragraphs.push_back(TrimmedBlanks(text.substr(start, end - start)));
    paragraphs.push_back(TrimmedBlanks(text.substr(start)));
    return paragraphs;
}

std::vector<std::string> WrapParagraphs(const std::vector<std::string>& paragraphs, int width,
                                        const std::function<int(const std::string&)>& measure)
{
    std::vector<std::string> lines;
    for (const std::string& paragraph : paragraphs) {
        std::string line;
        for (unsigned n = 1; n <= std::numeric_limits<unsigned short>::max();) {
            const std::string word = FastTokenWhiteCount3(paragraph, " ", static_cast<unsigned short>(n));
            if (word.empty()) break;
            if (measure(line + word) <= width) {
                line += word + " ";
                ++n;
            } else if (line.empty()) {
                lines.push_back(word);
                ++n;
            } else {
                lines.push_back(line);
                line.clear();
            }
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace widgets
