#!/usr/bin/env python3
"""Draws the pictures of the message windows, the application icon and the
hand cursor, and writes them as BMP, ICO and CUR files beside this script.

Run it again after a change: python3 draw_pictures.py
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
OUTLINE = (60, 40, 30)
SKIN = (250, 200, 150)
SKIN_SHADE = (225, 165, 115)
CUFF = (40, 110, 200)
RED = (210, 30, 30)
DARK_RED = (130, 10, 10)
YELLOW = (250, 220, 40)
STEEL = (90, 90, 100)


class Canvas:
    """A picture of w x h pixels, row 0 at the top; shapes are filled, then
    outlined where they meet a different colour."""

    def __init__(self, w, h, ground=WHITE):
        self.w, self.h = w, h
        self.px = [[ground] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def fill(self, inside, c):
        for y in range(self.h):
            for x in range(self.w):
                if inside(x + 0.5, y + 0.5):
                    self.px[y][x] = c

    def ellipse(self, cx, cy, rx, ry, c):
        self.fill(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1, c)

    def rect(self, x0, y0, x1, y1, c, r=0):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            dx = max(x0 + r - x, 0, x - (x1 - r))
            dy = max(y0 + r - y, 0, y - (y1 - r))
            return dx * dx + dy * dy <= r * r
        self.fill(inside, c)

    def polygon(self, pts, c):
        def inside(x, y):
            hit = False
            for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
                if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                    hit = not hit
            return hit
        self.fill(inside, c)

    def line(self, xa, ya, xb, yb, width, c):
        def inside(x, y):
            dx, dy = xb - xa, yb - ya
            t = max(0, min(1, ((x - xa) * dx + (y - ya) * dy) / (dx * dx + dy * dy)))
            return math.hypot(x - xa - t * dx, y - ya - t * dy) <= width / 2
        self.fill(inside, c)

    def outline(self, colours, edge):
        """Darkens the pixels of the given colours that touch any other colour."""
        old = [row[:] for row in self.px]
        for y in range(self.h):
            for x in range(self.w):
                if old[y][x] not in colours:
                    continue
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                    if not (0 <= nx < self.w and 0 <= ny < self.h) or old[ny][nx] != old[y][x] and \
                            old[ny][nx] not in colours:
                        self.px[y][x] = edge
                        break


def hand(cv, finger_up):
    """A right hand seen from the side: the fist, with the thumb (thumb up) or
    the index finger (pointing up) raised, and a blue cuff."""
    cv.rect(16, 30, 46, 56, SKIN, r=7)                 # fist
    for y in (36, 42, 48):                              # folded fingers
        cv.line(31, y, 45, y, 1.2, SKIN_SHADE)
    if finger_up:
        cv.rect(17, 5, 26, 34, SKIN, r=4)               # index finger
        cv.rect(34, 26, 44, 34, SKIN, r=4)              # thumb folded over
    else:
        cv.rect(18, 6, 29, 34, SKIN, r=5)               # thumb
        cv.line(21, 12, 26, 12, 1.2, SKIN_SHADE)        # its nail
    cv.rect(6, 38, 17, 58, CUFF, r=2)                   # cuff
    cv.outline({SKIN, SKIN_SHADE, CUFF}, OUTLINE)


def devil(cv):
    """A small red devil holding a trident."""
    cv.line(48, 8, 48, 60, 2.5, STEEL)                  # trident shaft
    cv.line(41, 8, 55, 8, 2.5, STEEL)
    for x in (41, 48, 55):
        cv.polygon([(x - 2.5, 9), (x, 1), (x + 2.5, 9)], STEEL)
    cv.rect(18, 30, 38, 52, RED, r=6)                   # body
    cv.line(20, 52, 16, 61, 5, RED)                     # legs
    cv.line(36, 52, 40, 61, 5, RED)
    cv.line(36, 36, 47, 30, 4.5, RED)                   # arm to the trident
    cv.line(20, 36, 10, 44, 4.5, RED)
    cv.line(22, 48, 8, 56, 1.5, RED)                    # tail
    cv.polygon([(4, 52), (10, 58), (4, 60)], RED)
    cv.polygon([(15, 16), (11, 2), (21, 12)], RED)      # horns
    cv.polygon([(41, 16), (45, 2), (35, 12)], RED)
    cv.ellipse(28, 20, 13, 12, RED)                     # head
    cv.outline({RED}, DARK_RED)
    for x in (23, 33):                                  # eyes
        cv.polygon([(x - 3, 16), (x + 3, 18), (x - 2, 20)], YELLOW)
    cv.line(22, 26, 34, 26, 1.5, BLACK)                 # grin
    cv.line(22, 26, 20, 24, 1.5, BLACK)
    cv.line(34, 26, 36, 24, 1.5, BLACK)


def rows_bottom_up(cv, bpp, palette=None):
    """The BMP pixel rows, bottom row first, padded to 4 bytes."""
    data = b""
    for row in reversed(cv.px):
        if bpp == 24:
            line = b"".join(bytes((b, g, r)) for r, g, b in row)
        elif bpp == 8:
            line = bytes(palette.index(c) for c in row)
        elif bpp == 4:
            idx = [palette.index(c) for c in row]
            line = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(idx), 2))
        else:  # 1
            line = bytes(sum((1 << (7 - k)) for k in range(8) if palette.index(row[i + k]))
                         for i in range(0, len(row), 8))
        data += line + b"\0" * (-len(line) % 4)
    return data


def info_header(w, h, bpp, colours):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, 0, 2835, 2835, colours, 0)


def palette_bytes(palette):
    return b"".join(bytes((b, g, r, 0)) for r, g, b in palette)


def write_bmp(name, cv, bpp):
    palette = None
    if bpp == 8:
        palette = sorted({c for row in cv.px for c in row})
        assert len(palette) <= 256
    pixels = rows_bottom_up(cv, bpp, palette)
    table = palette_bytes(palette) if palette else b""
    offset = 14 + 40 + len(table)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(head + info_header(cv.w, cv.h, bpp, len(palette or [])) + table + pixels)


def and_mask(cv, transparent):
    mask = Canvas(cv.w, cv.h)
    for y in range(cv.h):
        for x in range(cv.w):
            mask.px[y][x] = WHITE if cv.px[y][x] == transparent else BLACK
    return rows_bottom_up(mask, 1, [BLACK, WHITE])


def write_icon(name, cv, bpp, palette, kind, hotspot=(0, 0), transparent=None):
    """One image as an icon (kind 1) or cursor (kind 2); pixels of the colour
    `transparent` are left out through the mask."""
    drawn = Canvas(cv.w, cv.h)
    drawn.px = [[palette[0] if c == transparent else c for c in row] for row in cv.px]
    xor = rows_bottom_up(drawn, bpp, palette)
    mask = and_mask(cv, transparent)
    image = info_header(cv.w, 2 * cv.h, bpp, 0) + palette_bytes(palette) + xor + mask
    planes, bits = (1, bpp) if kind == 1 else hotspot
    entry = struct.pack("<BBBBHHII", cv.w, cv.h, len(palette) % 256, 0, planes, bits, len(image), 6 + 16)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(struct.pack("<HHH", 0, kind, 1) + entry + image)


def success():
    cv = Canvas(64, 64)
    hand(cv, finger_up=False)
    write_bmp("bmp_erfolg.bmp", cv, 8)


def error():
    cv = Canvas(64, 64)
    devil(cv)
    write_bmp("bmp_fehler.bmp", cv, 8)


def hint():
    cv = Canvas(64, 64)
    hand(cv, finger_up=True)
    write_bmp("bmp_hinweis.bmp", cv, 24)


# The 16 colours of the classic VGA palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def app_icon():
    """A globe with its graticule and a red arrow from one datum to the other."""
    ground = (0, 128, 128)  # left out through the mask
    cv = Canvas(32, 32, ground)
    cv.ellipse(16, 16, 14, 14, (0, 0, 128))
    cv.ellipse(16, 16, 13, 13, (0, 0, 255))
    for rx in (5.5, 11):                                  # meridians
        cv.fill(lambda x, y, rx=rx: abs(((x - 16) / rx) ** 2 + ((y - 16) / 13) ** 2 - 1) < 0.12 and
                (x - 16) ** 2 + (y - 16) ** 2 < 169, (0, 255, 255))
    for y in (9, 16, 23):                                 # parallels
        cv.fill(lambda x, yy, y=y: abs(yy - y) < 0.6 and (x - 16) ** 2 + (yy - 16) ** 2 < 169, (0, 255, 255))
    cv.line(6, 26, 24, 8, 3, (255, 0, 0))                 # the shift
    cv.polygon([(27, 5), (18, 8), (24, 14)], (255, 0, 0))
    cv.outline({(255, 0, 0)}, (128, 0, 0))
    write_icon("ico_app.ico", cv, 4, VGA, 1, transparent=ground)


def hand_cursor():
    """The pointing hand of links and clickable pictures, 16 colours, hot spot
    (12, 1) at the fingertip."""
    ground = (0, 128, 128)  # left out through the mask
    cv = Canvas(32, 32, ground)
    dx = 4                                                # fingertip centred on x = 12
    cv.rect(6 + dx, 1, 11 + dx, 18, WHITE, r=2.5)         # index finger
    for x0 in (11, 16, 21):                               # the other fingers
        cv.rect(x0 + dx, 10, x0 + dx + 5, 19, WHITE, r=2.5)
    cv.polygon([(x + dx, y) for x, y in [(6, 15), (1, 14), (0, 17), (6, 26), (9, 30), (24, 30), (26, 22), (26, 15)]],
               WHITE)
    cv.outline({WHITE}, BLACK)
    for x in (11, 16, 21):
        cv.line(x + dx, 12, x + dx, 17, 1, BLACK)
    write_icon("cur_hand.cur", cv, 4, VGA, 2, hotspot=(12, 1), transparent=ground)


if __name__ == "__main__":
    success()
    error()
    hint()
    app_icon()
    hand_cursor()
