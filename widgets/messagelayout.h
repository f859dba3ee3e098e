// What the message and wait boxes share: an icon control beside the text,
// and the text as one static control per line in the box's font.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/controls.h"

namespace widgets {

// Id of the icon control; line n (from 1 at the top) has kFirstLineId + n.
constexpr int kIconControlId = 2376;
constexpr int kFirstLineId = 1230;

// The box's background, that of its lines and of its icon.
Brush WindowColorBrush();

// 10-point "Microsoft Sans Serif", the font the boxes measure and show
// their text in.
::Font MessageFont(int pointSize = 10);

// The icon control of a box with an icon (null without one), at (0, 0) for
// now; its size is the icon's.
std::unique_ptr<FixedIcon> MakeIconControl(Window& box, const ::Icon& icon);

// Lines of the text laid out by the boxes' common rules.
struct TextBlock {
    std::vector<std::string> lines;
    int lineHeight = 0;
    int widest = 0;
    int Height() const { return static_cast<int>(lines.size()) * lineHeight; }
};
// The text wrapped at width pixels as the box measures it, to fill no more
// than the room: lines are wrapped at its width when that is narrower, a
// word wider than it is broken at it, and lines below its height are left
// out (the first line always stays). The widest line is measured with its
// trailing blank, but never wider than the room.
TextBlock LayOutText(const Window& box, const std::string& text, int width, Dimension room);

// The largest client area the box may have: the work area of its owner's
// monitor (of the primary monitor without an owner) less the box's frame.
Dimension LargestClientSize(const Window& box);

// The line controls, from the last line upward starting at (x, y): each as
// wide as the widest line plus 300, single-line, unclipped, shown.
std::vector<std::unique_ptr<FixedText>> MakeTextLines(Window& box, const TextBlock& block, int x, int y);

// Sizes the box so that its client area has that size.
void SetClientSize(Window& box, Dimension client);

}  // namespace widgets
