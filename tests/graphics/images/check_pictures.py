#!/usr/bin/python3
"""Decodes the pictures an image test left in its working folder with
readers independent of Windows and of the kit: PIL for every picture,
giflib's gif2rgb for GIF files as well. Beside each picture NAME.EXT lies
NAME.rgb, the pixels (R, G, B bytes, top row first) a reader must find, or,
for GIF files, NAME.src, source pixels whose nearest colours in the file's
own colour table a reader must find. The system maps colours at a resolution
of a few levels per component (Wine at 5 bits), so a table colour counts as
nearest when it lies within SLACK of the nearest one. Exits non-zero on the
first difference.
"""
import glob
import os
import subprocess
import sys

from PIL import Image


def pil_rgb(path):
    with Image.open(path) as image:
        return image.size, image.convert("RGB").tobytes()


def gif2rgb(path):
    return subprocess.run(["gif2rgb", "-1", path], check=True, capture_output=True).stdout


def gif_table(path):
    data = open(path, "rb").read()
    return [tuple(data[13 + 3 * i:16 + 3 * i]) for i in range(256)]


# Euclidean RGB distance: 4 levels per component, in both directions.
SLACK = 2 * 4 * 3 ** 0.5


def distance(a, b):
    return sum((x - y) ** 2 for x, y in zip(a, b)) ** 0.5


def nearest_ok(table, source, got):
    best = min(distance(c, source) for c in table)
    return got in table and distance(got, source) <= best + SLACK


def expected_for(picture):
    stem = os.path.splitext(picture)[0]
    if os.path.exists(stem + ".rgb"):
        return open(stem + ".rgb", "rb").read()
    return None


def check_nearest(picture, got, width):
    """The pixels against NAME.src; None when they match, else the first miss."""
    source = open(os.path.splitext(picture)[0] + ".src", "rb").read()
    if len(source) != len(got):
        return "lengths %d and %d" % (len(got), len(source))
    table = set(gif_table(picture))
    for i in range(0, len(source), 3):
        pixel, want = tuple(got[i:i + 3]), tuple(source[i:i + 3])
        if not nearest_ok(table, want, pixel):
            return "pixel (%d, %d): %s is not nearest to %s" % (i // 3 % width, i // 3 // width, pixel, want)
    return None


def first_difference(a, b, width):
    for i in range(min(len(a), len(b)) // 3):
        if a[3 * i:3 * i + 3] != b[3 * i:3 * i + 3]:
            return "pixel (%d, %d): %s, expected %s" % (
                i % width, i // width, tuple(a[3 * i:3 * i + 3]), tuple(b[3 * i:3 * i + 3]))
    return "lengths %d and %d" % (len(a), len(b))


def main(folder):
    checked = 0
    for picture in sorted(glob.glob(os.path.join(folder, "*.gif")) + glob.glob(os.path.join(folder, "*.bmp"))):
        expected = expected_for(picture)
        nearest = picture.endswith(".gif") and os.path.exists(os.path.splitext(picture)[0] + ".src")
        if expected is None and not nearest:
            continue
        (width, _), pixels = pil_rgb(picture)
        readers = [("PIL", pixels)]
        if picture.endswith(".gif"):
            readers.append(("gif2rgb", gif2rgb(picture)))
        for reader, got in readers:
            if nearest:
                miss = check_nearest(picture, got, width)
            else:
                miss = None if got == expected else first_difference(got, expected, width)
            if miss:
                print("%s (%s): %s" % (os.path.basename(picture), reader, miss))
                return 1
        checked += 1
    if checked == 0:
        print("no pictures with expected pixels in " + folder)
        return 1
    print("%d pictures read back" % checked)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
