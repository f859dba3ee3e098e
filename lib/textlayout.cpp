#include "lib/textlayout.h"

#include <algorithm>
#include <limits>

#include "lib/faststring.h"

namespace {

std::string TrimmedBlanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The length of the longest start of the word, at least one character, that
// is no wider than width.
size_t FittingLength(const std::string& word, int width, const TextMeasure& measure)
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

std::vector<std::string> BrokenWord(const std::string& word, int width, const TextMeasure& measure)
{
    std::vector<std::string> pieces;
    std::string rest = word;
    while (rest.size() > 1 && measure(rest) > width) {
        const size_t head = FittingLength(rest, width, measure);
        pieces.push_back(rest.substr(0, head));
        rest.erase(0, head);
    }
    pieces.push_back(rest);
    return pieces;
}

std::vector<std::string> WrapParagraphs(const std::vector<std::string>& paragraphs, int width, int breakWidth,
                                        const TextMeasure& measure)
{
    std::vector<std::string> lines;
    for (const std::string& paragraph : paragraphs) {
        // word: the word being placed, or the last piece of a broken one.
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
            } else if (word.size() == 1 || measure(word) <= breakWidth) {
                lines.push_back(word);
                word.clear();
            } else {
                std::vector<std::string> pieces = BrokenWord(word, breakWidth, measure);
                word = pieces.back();
                lines.insert(lines.end(), pieces.begin(), pieces.end() - 1);
            }
        }
        lines.push_back(line);
    }
    return lines;
}

std::string BreakWideWords(const std::string& text, int width, const TextMeasure& measure)
{
    std::string broken;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find_first_of(" \r\n", start), text.size());
        if (end > start) {
            const std::vector<std::string> pieces = BrokenWord(text.substr(start, end - start), width, measure);
            broken += pieces.front();
            for (auto piece = pieces.begin() + 1; piece != pieces.end(); ++piece) broken += "\r\n" + *piece;
        }
        if (end < text.size()) broken += text[end];
        start = end + 1;
    }
    return broken;
}
