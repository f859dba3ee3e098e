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

// The length of the longest start of the word, at least one character, that
// is no wider than width.
size_t FittingLength(const std::string& word, int width, const std::function<int(const std::string&)>& measure)
{
    size_t fits = 1, tooLong = word.size() + 1;
    while (tooLong - fits > 1) {
        const size_t middle = fits + (tooLong - fits) / 2;
        if (measure(word.substr(0, middle)) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    return fits;
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

std::vector<std::string> WrapParagraphs(const std::vector<std::string>& paragraphs, int width, int breakWidth,
                                        const std::function<int(const std::string&)>& measure)
{
    std::vector<std::string> lines;
    for (const std::string& paragraph : paragraphs) {
        // word: the word being placed, or what is left of a broken one.
        std::string line, word;
        for (unsigned n = 1; !word.empty() || n <= std::numeric_limits<unsigned short>::max();) {
            if (word.empty()) word = FastTokenWhiteCount3(paragraph, " ", static_cast<unsigned short>(n++));
            if (word.empty()) break;
            if (measure(line + word) <= width) {
                line += word + " ";
                word.clear();
            } else if (!line.empty()) {
                lines.push_back(line);
                line.clear();
            } else if (measure(word) <= breakWidth) {
                lines.push_back(word);
                word.clear();
            } else {
                const size_t head = FittingLength(word, breakWidth, measure);
                lines.push_back(word.substr(0, head));
                word.erase(0, head);
            }
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace widgets
