// How texts are broken into lines for a width in pixels: the message and
// wait boxes wrap their text themselves, the message windows break only the
// words their text field cannot.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The width of a text in pixels, as the caller's font measures it.
using TextMeasure = std::function<int(const std::string&)>;

// The paragraphs of a text: split at every CR LF when it holds one (a lone
// LF then stays inside its paragraph), else at every LF; each trimmed of
// leading and trailing blanks.
std::vector<std::string> Paragraphs(const std::string& text);

// The pieces of a word broken at width: each the longest start of the rest
// that is no wider than width, but at least one character. A word no wider
// is its only piece.
std::vector<std::string> BrokenWord(const std::string& word, int width, const TextMeasure& measure);

// The lines of the paragraphs wrapped at width pixels as measured: words
// (runs of non-blanks) joined by one blank, each line keeping its trailing
// blank; a word wider than the width stands alone on its line, and one wider
// than breakWidth is broken into lines of at most breakWidth (the rest goes
// on as a word of its own); every paragraph ends with the line it has begun,
// so an empty paragraph, and one that ends with a word standing alone, adds
// an empty line.
std::vector<std::string> WrapParagraphs(const std::vector<std::string>& paragraphs, int width, int breakWidth,
                                        const TextMeasure& measure);

// The text with CR LF between the pieces of every word wider than width
// (a word: a run of characters other than blank, CR and LF); all else stays.
// A field that breaks lines only between words then shows every character.
std::string BreakWideWords(const std::string& text, int width, const TextMeasure& measure);
