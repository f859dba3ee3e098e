#!/usr/bin/python3
"""check_pdfs.py's comparison of a picture with its print, on a window drawn
here (a grey face, a framed white field with lines of text) and printed as
the printer prints a window: scaled up, each pixel to a block, on a white
page. A print that lacks something of the picture, or shows something more,
must fail, however little of the picture it is."""
import os
import sys
import tempfile
import unittest

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_pdfs  # noqa: E402

FONT = "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf"
SIZE = (320, 200)
FIELD = [10, 10, 310, 190]
LINES = ["Parameters of the transformation", "", "dX        -84.0123 m", "dY        -97.4567 m",
         "dZ       -117.8901 m", "Scale      -2.4500 ppm", "Points of the source list: 4"]
LINE_HEIGHT = 15
# The scale of a window of 892 pixels printed across an A4 page at 300 dpi.
SCALE = 2479 / 892


def window(lines):
    picture = Image.new("RGB", SIZE, (240, 240, 240))
    draw = ImageDraw.Draw(picture)
    draw.rectangle(FIELD, fill="white", outline=(160, 160, 160))
    font = ImageFont.truetype(FONT, 13)
    for number, line in enumerate(lines):
        draw.text((FIELD[0] + 4, FIELD[1] + 4 + number * LINE_HEIGHT), line, font=font, fill="black")
    return picture


MARGIN = 20
BOX = [MARGIN, MARGIN, MARGIN + int(SIZE[0] * SCALE), MARGIN + int(SIZE[1] * SCALE)]


def printed(picture, shift=0):
    """The page of a print of the picture in BOX, shifted by some page pixels."""
    page = Image.new("RGB", (BOX[2] + MARGIN, BOX[3] + MARGIN), "white")
    page.paste(picture.resize((BOX[2] - BOX[0], BOX[3] - BOX[1]), Image.NEAREST), (BOX[0] + shift, BOX[1]))
    return page


def blanked(lines, number, start=0, end=None):
    """The lines with characters start to end of one line blanked."""
    line = lines[number]
    end = len(line) if end is None else end
    return lines[:number] + [line[:start] + " " * (end - start) + line[end:]] + lines[number + 1:]


class PictureAndPrint(unittest.TestCase):
    def test_a_print_passes_only_when_it_shows_the_whole_picture(self):
        cases = [
            # what, the window's lines on the screen and on paper, page pixels the print is off
            ("the window as it is", LINES, LINES, 0, True),
            ("a parameter line missing from the print", LINES, blanked(LINES, 4), 0, False),
            ("the last line missing from the print", LINES, LINES[:-1], 0, False),
            ("a line more on the print", LINES[:-1], LINES, 0, False),
            ("a number missing from a line", LINES, blanked(LINES, 3, 10), 0, False),
            ("the print two pixels off", LINES, LINES, 6, False),
        ]
        parts = [FIELD, [FIELD[0], FIELD[1], FIELD[2], FIELD[1] + len(LINES) * LINE_HEIGHT]]
        with tempfile.TemporaryDirectory() as folder:
            for what, shown, on_paper, shift, passes in cases:
                with self.subTest(what):
                    window(shown).save(os.path.join(folder, "window.bmp"))
                    page = printed(window(on_paper), shift)
                    picture = {"file": "window.bmp", "box": BOX, "parts": parts}
                    if passes:
                        check_pdfs.check_picture(page, picture, folder)
                    else:
                        with self.assertRaises(check_pdfs.Failed):
                            check_pdfs.check_picture(page, picture, folder)


if __name__ == "__main__":
    unittest.main(verbosity=1)
