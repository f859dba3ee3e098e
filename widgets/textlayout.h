// How the message and wait boxes break their text into lines.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace widgets {

// The paragraphs of a text: split at every CR LF when it holds one (a lone
// LF then stays inside its paragraph), else at every LF; each trimmed of
// leading and trailing blanks.
std::vector<std::string> Paragraphs(const std::string& text);

// The lines of the paragraphs wrapped at width pixels as measured: words
// (runs of non-blanks) joined by one blank, each line keeping its trailing
// blank; a word wider than the width stands alone on its line, and one wider
// than breakWidth is broken into lines of at most breakWidth (the rest goes
// on as a word of its own); every paragraph ends with the line it has begun,
// so an empty paragraph, and one that ends with a word standing alone, adds
// an empty line.
std::vector<std::string> WrapParagraphs(const std::vector<std::string>& paragraphs, int width, int breakWidth,
                                        const std::function<int(const std::string&)>& measure);

}  // namespace widgets
