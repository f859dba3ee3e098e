#include "widgets/messagelayout.h"

#include <algorithm>

#include "lib/placement.h"
#include "lib/textlayout.h"

namespace widgets {

Brush WindowColorBrush()
{
    return Brush(Color::FromColorRef(GetSysColor(COLOR_WINDOW)));
}

::Font MessageFont(int pointSize)
{
    return ::Font(pointSize, "Microsoft Sans Serif");
}

std::unique_ptr<FixedIcon> MakeIconControl(Window& box, const ::Icon& icon)
{
    if (!icon.Handle()) return nullptr;
    auto control = std::make_unique<FixedIcon>(box, kIconControlId, Point{0, 0});
    control->SetIcon(icon);
    control->SetBackground(WindowColorBrush());
    return control;
}

TextBlock LayOutText(const Window& box, const std::string& text, int width, Dimension room)
{
    TextBlock block;
    block.lines = WrapParagraphs(Paragraphs(text), std::min(width, room.width), room.width,
                                 [&box](const std::string& line) { return box.SizeText(line).width; });
    block.lineHeight = box.SizeText(block.lines.front()).height;
    const size_t fitting = static_cast<size_t>(std::max(1, room.height / std::max(1, block.lineHeight)));
    if (block.lines.size() > fitting) block.lines.resize(fitting);
    for (const std::string& line : block.lines) block.widest = std::max(block.widest, box.SizeText(line).width);
    // Only a line's trailing blank can reach beyond the room.
    block.widest = std::min(block.widest, room.width);
    return block;
}

namespace {

// What the box's frame and caption add to its client area.
Dimension FrameSize(const Window& box)
{
    const Dimension outer = box.Size();
    const BoundingBox canvas = box.CanvasArea();
    return {outer.width - canvas.Width(), outer.height - canvas.Height()};
}

}  // namespace

Dimension LargestClientSize(const Window& box)
{
    const RECT area = GetWorkArea(box.Owner());
    const Dimension frame = FrameSize(box);
    return {area.right - area.left - frame.width, area.bottom - area.top - frame.height};
}

std::vector<std::unique_ptr<FixedText>> MakeTextLines(Window& box, const TextBlock& block, int x, int y)
{
    std::vector<std::unique_ptr<FixedText>> controls;
    const Dimension size{block.widest + 300, block.lineHeight};
    for (int n = static_cast<int>(block.lines.size()); n >= 1; --n, y += block.lineHeight) {
        auto line = std::make_unique<FixedText>(box, kFirstLineId + n, Point{x, y}, size);
        line->SetCaption(block.lines[static_cast<size_t>(n) - 1]);
        line->SetSize(size);
        line->SetFont(MessageFont());
        line->SetBackground(WindowColorBrush());
        line->SetDrawStyle(DT_SINGLELINE, true);
        line->SetDrawStyle(DT_NOCLIP, true);
        line->Show();
        controls.push_back(std::move(line));
    }
    return controls;
}

void SetClientSize(Window& box, Dimension client)
{
    const Dimension frame = FrameSize(box);
    box.SetSize({client.width + frame.width, client.height + frame.height});
}

}  // namespace widgets
