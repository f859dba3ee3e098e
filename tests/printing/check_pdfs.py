#!/usr/bin/python3
"""Reads back the jobs a printing test printed on the PDF printer of the test
command, with poppler's tools, independently of Windows and of the program.

The test leaves TAG.json in the folder pdf/ of its working folder (the
argument) for every job; the job's title ends in TAG, and cups-pdf writes it
as ~/PDF/TITLE-job_N.pdf (the title with blanks as "_", N the scheduler's job
number). Each file is awaited (all of them within WAIT_SECONDS) until the
scheduler reports its job completed, then checked against these fields of
TAG.json (all but "job" optional):

  job        the tag
  test       the test that printed it, for the messages
  pages      the number of pages (pdfinfo)
  landscape  true: every page is wider than high, false: higher than wide
  text       per page, its lines as pdftotext -layout reads them, blank
             lines left out and runs of blanks read as one
  text_box   [left, right] in points: no character lies outside
             (pdftotext -bbox)
  dpi        the printer's resolution; the checks below render page 1 at it
             (pdftoppm), so that a page pixel is a printer pixel, and give
             boxes as [left, top, right, bottom] in those pixels, right and
             bottom exclusive
  ink        a list of {"color": [r, g, b], "box": ..., "tolerance": n}:
             the pixels of that colour cover the box, each edge within n
             pixels (edges are measured to a quarter of a pixel)
  clip       a box: no pixel that is not white lies more than half a pixel
             outside it
  picture    {"file": BMP beside TAG.json, "box": ..., "parts": [...]}: the
             box shows the picture scaled to it: each part (a box in the
             picture's pixels, e.g. a control of a window) and the whole,
             scaled back, match the picture best where they belong, and
             every small square of the picture matches its print, so that
             no line of text is missing from the print or added to it
  glyphs     {"color": ..., "text": ..., "font": a TrueType file, "points":
             n}: the pixels of that colour are the text set in that font at
             n points, its ink as high and as wide as PIL's own rendering
             of the text in the font at the same size, within one pixel
             (two for the width)

A PDF that passes is deleted; one that fails is kept for a look. Exits
non-zero when a job fails.
"""
import glob
import json
import os
import pwd
import re
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont, ImageStat

WAIT_SECONDS = 240
# A picture's part and its print, scaled back to the picture's pixels, may
# differ by this much on average (0-255) where they match best, which must be
# within a pixel of where the part belongs; they are compared up to SHIFTS
# pixels either way. (Two pixels off, the parts of a window differ by 10 to
# 15.)
MAX_MEAN_DIFFERENCE = 9
SHIFTS = 3
# A line of text missing from the print changes so few of the picture's
# pixels that the parts still match on average. Every square of LOCAL_SIZE
# pixels (about a character of a window's text) must therefore match its
# print, within a pixel either way, by MAX_LOCAL_DIFFERENCE on average.
LOCAL_SIZE = 9
MAX_LOCAL_DIFFERENCE = 40
# Channel distance within which a pixel counts as of a colour.
COLOR_SLACK = 60


class Failed(Exception):
    pass


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def completed_jobs():
    try:
        listed = run("lpstat", "-W", "completed", "-o", "PDF")
    except subprocess.CalledProcessError:
        return set()
    return set(re.findall(r"^PDF-(\d+)\s", listed, re.M))


def await_pdf(tag, deadline):
    """The PDF of the job whose title ends in tag, once its job is completed."""
    if not os.environ.get("CUPS_SERVER"):
        raise Failed("no CUPS scheduler of the test command (CUPS_SERVER is not set): "
                     "the printing tests need the PDF printer that scripts/test.sh makes")
    folder = os.path.join(pwd.getpwuid(os.getuid()).pw_dir, "PDF")
    while time.monotonic() < deadline:
        for path in glob.glob(os.path.join(folder, "*%s*.pdf" % tag)):
            number = re.search(r"-job_(\d+)\.pdf$", path)
            if number and number.group(1) in completed_jobs():
                return path
        time.sleep(0.5)
    try:
        waiting = run("lpstat", "-o", "PDF").strip() or "none"
    except subprocess.CalledProcessError as error:
        waiting = error.stderr.strip()
    raise Failed("no PDF of job %s arrived in %s in time (jobs waiting: %s)" % (tag, folder, waiting))


def page_sizes(pdf):
    """(width, height) in points of every page, rotation applied."""
    info = run("pdfinfo", "-f", "1", "-l", "9999", pdf)
    sizes = []
    for line in info.splitlines():
        size = re.match(r"Page\s+\d+ size:\s+([\d.]+) x ([\d.]+)", line)
        if size:
            sizes.append([float(size.group(1)), float(size.group(2))])
        rotation = re.match(r"Page\s+\d+ rot:\s+(\d+)", line)
        if rotation and int(rotation.group(1)) % 180 == 90:
            sizes[-1].reverse()
    return sizes


def words(line):
    """The line with runs of blanks as one; a hyphen of the PDF's fonts reads
    back as the soft hyphen that shares its glyph."""
    return " ".join(line.replace("\u00ad", "-").split())


def check_text(pdf, pages):
    for number, expected in enumerate(pages, 1):
        text = run("pdftotext", "-layout", "-f", str(number), "-l", str(number), pdf, "-")
        found = [words(line) for line in text.splitlines() if line.strip()]
        wanted = [words(line) for line in expected if line.strip()]
        if found != wanted:
            for index, (a, b) in enumerate(zip(found, wanted)):
                if a != b:
                    raise Failed("page %d, line %d: %r instead of %r" % (number, index + 1, a, b))
            raise Failed("page %d: %d lines instead of %d (%r)" % (number, len(found), len(wanted),
                                                                  (found[len(wanted):] or wanted[len(found):])[:3]))


def check_text_box(pdf, box):
    html = run("pdftotext", "-bbox", pdf, "-")
    for word in re.finditer(r'<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<', html):
        left, right = float(word.group(1)), float(word.group(2))
        if left < box[0] or right > box[1]:
            raise Failed("%r lies at %.1f-%.1f pt, outside %.1f-%.1f pt" % (word.group(3), left, right, *box))


def render(pdf, dpi, crop=None):
    """Page 1 at dpi, or the part crop ([left, top, right, bottom] in its pixels)."""
    window = [] if crop is None else ["-x", str(crop[0]), "-y", str(crop[1]),
                                      "-W", str(crop[2] - crop[0]), "-H", str(crop[3] - crop[1])]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["pdftoppm", "-r", str(dpi), "-f", "1", "-l", "1", "-aa", "no", "-aaVector", "no", *window,
                        "-png", pdf, os.path.join(folder, "page")], check=True)
        page = glob.glob(os.path.join(folder, "page*.png"))[0]
        with Image.open(page) as image:
            return image.convert("RGB")


def of_color(color):
    """A function giving the mask of an image's pixels of the colour."""
    def mask(image):
        masks = [channel.point(lambda v, c=c: 255 if abs(v - c) <= COLOR_SLACK else 0)
                 for channel, c in zip(image.split(), color)]
        return ImageChops.darker(ImageChops.darker(masks[0], masks[1]), masks[2])
    return mask


def inked(image):
    """The mask of an image's pixels that are not white."""
    masks = [channel.point(lambda v: 255 if v < 250 else 0) for channel in image.split()]
    return ImageChops.lighter(ImageChops.lighter(masks[0], masks[1]), masks[2])


def fine_box(pdf, dpi, page, mask):
    """The box of the pixels that mask picks, in printer pixels to a quarter.

    A renderer paints every pixel a clip touches, and Wine's page is a whole
    number of printer pixels high (A4: 3508 at 300 dpi), shorter than the
    PDF's page box (3508.3), so everything lies a third of a pixel low: the
    page's pixels may show an edge a pixel out. Each edge is therefore
    measured again in a strip rendered at four times the resolution, across
    the middle half of the box."""
    coarse = mask(page).getbbox()
    if coarse is None:
        return None
    left, top, right, bottom = coarse
    across_x = (4 * (left + (right - left) // 4), 4 * (right - (right - left) // 4) + 4)
    across_y = (4 * (top + (bottom - top) // 4), 4 * (bottom - (bottom - top) // 4) + 4)

    def edge(index, at):
        """Edge index (0 left, 1 top, 2 right, 3 bottom) found near the coarse one at."""
        near = (4 * max(at - 2, 0), 4 * (at + 2))
        strip = [near[0], across_y[0], near[1], across_y[1]] if index % 2 == 0 else \
            [across_x[0], near[0], across_x[1], near[1]]
        found = mask(render(pdf, 4 * dpi, strip)).getbbox()
        return at if found is None else (strip[index % 2] + found[index]) / 4

    return [edge(index, at) for index, at in enumerate(coarse)]


def check_ink(pdf, dpi, page, marks):
    for mark in marks:
        box = fine_box(pdf, dpi, page, of_color(mark["color"]))
        if box is None:
            raise Failed("nothing of colour %s on the page" % mark["color"])
        if any(abs(a - b) > mark.get("tolerance", 0) for a, b in zip(box, mark["box"])):
            raise Failed("colour %s covers %s instead of %s" % (mark["color"], box, mark["box"]))


def check_clip(pdf, dpi, page, box):
    ink = fine_box(pdf, dpi, page, inked)
    if ink is None:
        return
    if ink[0] < box[0] - 0.5 or ink[1] < box[1] - 0.5 or ink[2] > box[2] + 0.5 or ink[3] > box[3] + 0.5:
        raise Failed("ink covers %s, beyond %s" % (ink, box))


def mean_difference(a, b):
    return ImageStat.Stat(ImageChops.difference(a, b).convert("L")).mean[0]


def check_picture(page, picture, folder):
    with Image.open(os.path.join(folder, picture["file"])) as original:
        original = original.convert("RGB")
    printed = page.crop(tuple(picture["box"])).resize(original.size, Image.BOX)
    # Both softened by a pixel: thin lines and text lose contrast in the
    # print's scaling, and their edges would outweigh everything else.
    original, printed = original.filter(ImageFilter.GaussianBlur(1)), printed.filter(ImageFilter.GaussianBlur(1))
    for part in [[0, 0, *original.size]] + picture["parts"]:
        shifts = {(dx, dy): mean_difference(printed.crop((part[0] + dx, part[1] + dy, part[2] + dx, part[3] + dy)),
                                            original.crop(tuple(part)))
                  for dx in range(-SHIFTS, SHIFTS + 1) for dy in range(-SHIFTS, SHIFTS + 1)}
        best = min(shifts, key=shifts.get)
        if max(abs(best[0]), abs(best[1])) > 1 or shifts[best] > MAX_MEAN_DIFFERENCE:
            raise Failed("the picture's part %s matches its print best %s pixels away, differing by %.1f on average"
                         % (part, best, shifts[best]))
    check_squares(printed, original)


def check_squares(printed, original):
    """Every square of LOCAL_SIZE pixels of the picture matches its print."""
    width, height = original.size
    inner = original.crop((1, 1, width - 1, height - 1))
    nearest = None
    for dx in range(-1, 2):
        for dy in range(-1, 2):
            shifted = printed.crop((1 + dx, 1 + dy, width - 1 + dx, height - 1 + dy))
            local = ImageChops.difference(shifted, inner).convert("L").filter(ImageFilter.BoxBlur(LOCAL_SIZE // 2))
            nearest = local if nearest is None else ImageChops.darker(nearest, local)
    worst = nearest.getextrema()[1]
    if worst > MAX_LOCAL_DIFFERENCE:
        left, top, right, bottom = nearest.point(lambda v: 255 if v > MAX_LOCAL_DIFFERENCE else 0).getbbox()
        raise Failed("the picture and its print differ in %s by up to %d on average in a square of %d pixels: "
                     "something is missing from one of them" % ([left + 1, top + 1, right + 1, bottom + 1], worst,
                                                                 LOCAL_SIZE))


def check_glyphs(page, glyphs, dpi):
    box = of_color(glyphs["color"])(page).getbbox()
    if box is None:
        raise Failed("no text of colour %s on the page" % glyphs["color"])
    size = round(glyphs["points"] * dpi / 72)
    font = ImageFont.truetype(glyphs["font"], size)
    own = Image.new("L", (size * (len(glyphs["text"]) + 2), 3 * size))
    ImageDraw.Draw(own).text((size, size), glyphs["text"], font=font, fill=255)
    left, top, right, bottom = own.getbbox()
    want = (right - left, bottom - top)
    got = (box[2] - box[0], box[3] - box[1])
    if abs(got[1] - want[1]) > 1 or abs(got[0] - want[0]) > 2:
        raise Failed("%r at %s points is %d x %d pixels, the font gives %d x %d" %
                     (glyphs["text"], glyphs["points"], got[0], got[1], want[0], want[1]))


def check(expectation, folder, deadline):
    pdf = await_pdf(expectation["job"], deadline)
    sizes = page_sizes(pdf)
    if "pages" in expectation and len(sizes) != expectation["pages"]:
        raise Failed("%d pages instead of %d" % (len(sizes), expectation["pages"]))
    if "landscape" in expectation:
        for number, (width, height) in enumerate(sizes, 1):
            if (width > height) != expectation["landscape"]:
                raise Failed("page %d is %g x %g pt, not %s" % (number, width, height,
                                                                "landscape" if expectation["landscape"] else
                                                                "portrait"))
    if "text" in expectation:
        check_text(pdf, expectation["text"])
    if "text_box" in expectation:
        check_text_box(pdf, expectation["text_box"])
    if "dpi" in expectation:
        page = render(pdf, expectation["dpi"])
        check_ink(pdf, expectation["dpi"], page, expectation.get("ink", []))
        if "clip" in expectation:
            check_clip(pdf, expectation["dpi"], page, expectation["clip"])
        if "picture" in expectation:
            check_picture(page, expectation["picture"], folder)
        if "glyphs" in expectation:
            check_glyphs(page, expectation["glyphs"], expectation["dpi"])
    return pdf


def main():
    folder = os.path.join(sys.argv[1], "pdf")
    jobs = sorted(glob.glob(os.path.join(folder, "*.json")))
    if not jobs:
        print("no print jobs in %s: the printing test printed nothing" % folder)
        return 1
    failed = 0
    deadline = time.monotonic() + WAIT_SECONDS
    for path in jobs:
        with open(path, encoding="utf-8") as file:
            expectation = json.load(file)
        try:
            pdf = check(expectation, folder, deadline)
        except (Failed, subprocess.CalledProcessError) as error:
            print("job %s (%s): %s" % (expectation["job"], expectation.get("test", ""), error))
            failed += 1
            continue
        print("job %s (%s): %s read back" % (expectation["job"], expectation.get("test", ""), os.path.basename(pdf)))
        os.remove(pdf)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
