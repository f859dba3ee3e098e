#!/usr/bin/python3
"""Writes the shapefile fixtures of the shapefile tests into a folder.

pyshp writes one small file per case; what pyshp's reader sees goes into
expected_<name>.txt as the values the record index must hold, one line per
record: record number, base type, data position, data length, Xmin, Ymin,
Xmax, Ymax, part count (data position and length from the .shx entries);
and into coords_<name>.txt the two-dimensional geometry, one line per
record: base type, part count, the point count of each part, then X and Y of
every point (a point and a multipoint count as one part).
shapelib's shpdump reads every file a second time and must agree on the
number of records and on each record's type, part and vertex counts.
Damaged files are copies whose bytes are patched with struct.

Usage: make_fixtures.py FOLDER
"""
import os
import re
import shutil
import struct
import subprocess
import sys

import shapefile  # pyshp

BASE = {0: 0, 1: 1, 11: 1, 21: 1, 8: 8, 18: 8, 28: 8, 3: 3, 13: 3, 23: 3, 5: 5, 15: 5, 25: 5, 31: 31}
SQUARE = [[0, 0], [0, 10], [10, 10], [10, 0], [0, 0]]


def square(x, y, size):
    return [[x + px * size / 10, y + py * size / 10] for px, py in SQUARE]


def write(name, shape_type, shapes, nulls=()):
    """shapes: list of (method name, args, kwargs); nulls: positions of null records."""
    w = shapefile.Writer(name, shapeType=shape_type)
    w.field("ID", "N")
    for i, (method, args, kwargs) in enumerate(shapes):
        if i in nulls:
            w.null()
        else:
            getattr(w, method)(*args, **kwargs)
        w.record(i + 1)
    w.close()


def shx_entries(name):
    with open(name + ".shx", "rb") as f:
        data = f.read()
    return [struct.unpack(">ii", data[i:i + 8]) for i in range(100, len(data), 8)]


def dump_expected(name):
    r = shapefile.Reader(name)
    lines, coords = [], []
    for shape, (offset, words) in zip(r.shapes(), shx_entries(name)):
        base = BASE.get(shape.shapeType, 0)
        with open(name + ".shp", "rb") as f:
            f.seek(offset * 2)
            recno = struct.unpack(">i", f.read(4))[0]
        if base == 0:
            lines.append(f"{recno} 0 0 0 0 0 0 0 0")
            coords.append("0 0")
            continue
        starts = list(shape.parts) if base in (3, 5, 31) else [0]
        ends = starts[1:] + [len(shape.points)]
        coords.append(" ".join([str(base), str(len(starts))] + [str(e - s) for s, e in zip(starts, ends)] +
                               [repr(float(v)) for p in shape.points for v in p[:2]]))
        head = 4 if base == 1 else 36
        box = shape.points[0] * 2 if base == 1 else shape.bbox
        parts = len(shape.parts) if base in (3, 5, 31) else 0
        lines.append(" ".join([str(recno), str(base), str(offset * 2 + 8 + head), str(words * 2 - head)] +
                              [repr(float(v)) for v in box] + [str(parts)]))
    r.close()
    with open("expected_" + os.path.basename(name) + ".txt", "w") as f:
        f.write("\n".join(lines) + "\n")
    with open("coords_" + os.path.basename(name) + ".txt", "w") as f:
        f.write("\n".join(coords) + "\n")
    check_with_shpdump(name)


def check_with_shpdump(name):
    out = subprocess.run(["shpdump", name + ".shp"], capture_output=True, text=True, check=True).stdout
    dumped = re.findall(r"Shape:(\d+) \((\w+)\)\s+nVertices=(\d+), nParts=(\d+)", out)
    r = shapefile.Reader(name)
    shapes = r.shapes()
    r.close()
    if len(dumped) != len(shapes):
        sys.exit(f"shpdump sees {len(dumped)} records in {name}, pyshp {len(shapes)}")
    for (_, _, vertices, parts), shape in zip(dumped, shapes):
        if int(vertices) != len(shape.points) or int(parts) != len(shape.parts):
            sys.exit(f"shpdump and pyshp disagree on {name}: {vertices}/{parts} against "
                     f"{len(shape.points)}/{len(shape.parts)}")


def records(name):
    """The records of a main file as (record number, content bytes)."""
    with open(name + ".shp", "rb") as f:
        data = f.read()
    out = []
    for offset, words in shx_entries(name):
        recno = struct.unpack(">i", data[offset * 2:offset * 2 + 4])[0]
        out.append([recno, bytearray(data[offset * 2 + 8:offset * 2 + 8 + words * 2])])
    return data[:100], out


def assemble(name, header, recs, shx=True):
    """Writes a main file (and index file) of the records, with a right header length."""
    body = b"".join(struct.pack(">ii", recno, len(c) // 2) + bytes(c) for recno, c in recs)
    head = bytearray(header)
    struct.pack_into(">i", head, 24, (100 + len(body)) // 2)
    with open(name + ".shp", "wb") as f:
        f.write(bytes(head) + body)
    if shx:
        entries, offset = b"", 100
        for _, c in recs:
            entries += struct.pack(">ii", offset // 2, len(c) // 2)
            offset += 8 + len(c)
        struct.pack_into(">i", head, 24, (100 + len(entries)) // 2)
        with open(name + ".shx", "wb") as f:
            f.write(bytes(head) + entries)
    elif os.path.exists(name + ".shx"):
        os.remove(name + ".shx")


def without_index(src, dst):
    shutil.copy(src + ".shp", dst + ".shp")


def patch(name, offset, fmt, *values):
    with open(name, "r+b") as f:
        f.seek(offset)
        f.write(struct.pack(fmt, *values))


def main():
    os.makedirs(sys.argv[1], exist_ok=True)
    os.chdir(sys.argv[1])

    # ---- Every shape type, as pyshp writes it ----
    pts = [(12.5, 3.0), (100.0, 50.0), (0.0, 0.0), (75.25, 99.5)]
    write("point", shapefile.POINT, [("point", p, {}) for p in pts])
    write("pointz", shapefile.POINTZ, [("pointz", p + (7.0,), {}) for p in pts])
    write("pointm", shapefile.POINTM, [("pointm", p + (1.0,), {}) for p in pts])
    mp = [[[1, 2], [3, 4], [5, 1]], [[10, 10]], [[-4, 8], [0, 9]]]
    write("multipoint", shapefile.MULTIPOINT, [("multipoint", (p,), {}) for p in mp])
    write("multipointz", shapefile.MULTIPOINTZ, [("multipointz", ([q + [2] for q in p],), {}) for p in mp])
    write("multipointm", shapefile.MULTIPOINTM, [("multipointm", ([q + [3] for q in p],), {}) for p in mp])
    lines = [[[[0, 0], [5, 5], [10, 0]]], [[[1, 1], [2, 2]], [[3, 3], [4, 1], [6, 6]]]]
    write("polyline", shapefile.POLYLINE, [("line", (l,), {}) for l in lines])
    write("polylinez", shapefile.POLYLINEZ, [("linez", ([[q + [1] for q in p] for p in l],), {}) for l in lines])
    write("polylinem", shapefile.POLYLINEM, [("linem", ([[q + [1] for q in p] for p in l],), {}) for l in lines])
    holed = [square(10, 10, 80), square(40, 40, 20)[::-1]]
    polys = [holed, [square(0, 0, 5)], [square(95, 95, 5)]]
    write("polygon", shapefile.POLYGON, [("poly", (p,), {}) for p in polys])
    write("polygonz", shapefile.POLYGONZ, [("polyz", ([[q + [1] for q in r] for r in p],), {}) for p in polys])
    write("polygonm", shapefile.POLYGONM, [("polym", ([[q + [1] for q in r] for r in p],), {}) for p in polys])
    write("nulls", shapefile.POLYGON, [("poly", (p,), {}) for p in polys] + [("poly", (polys[1],), {})], nulls=(1, 3))
    # Multipatch: a strip of 4 points (2 triangles), a fan of 5 (3 triangles),
    # a strip of 2 (none); and the polygon's two rings as outer and inner ring.
    strip4 = [[0, 0, 0], [0, 10, 0], [10, 0, 0], [10, 10, 0]]
    fan5 = [[50, 50, 0], [60, 50, 0], [60, 60, 0], [50, 60, 0], [40, 60, 0]]
    strip2 = [[90, 90, 0], [95, 95, 0]]
    rings = [[q + [0] for q in r] for r in holed]
    write("multipatch", shapefile.MULTIPATCH,
          [("multipatch", ([strip4, fan5, strip2],), {"partTypes": [0, 1, 0]}),
           ("multipatch", (rings,), {"partTypes": [2, 3]})])
    write("holes", shapefile.POLYGON, [("poly", (holed,), {})])
    write("rings", shapefile.MULTIPATCH, [("multipatch", (rings,), {"partTypes": [2, 3]})])
    # Three squares in a row, for colours, selection and extraction.
    write("squares", shapefile.POLYGON,
          [("poly", ([square(x, 0, 10)],), {}) for x in (0, 20, 40, 60, 80, 90)])
    # Points on a diagonal, one per extraction position.
    write("diagonal", shapefile.POINT, [("point", (10.0 * i, 10.0 * i), {}) for i in range(6)])
    for name in ("point", "pointz", "pointm", "multipoint", "multipointz", "multipointm", "polyline", "polylinez",
                 "polylinem", "polygon", "polygonz", "polygonm", "nulls", "multipatch", "holes", "rings", "squares",
                 "diagonal"):
        dump_expected(name)
    # The same files without their index file.
    for name in ("point", "multipoint", "polyline", "polygon", "nulls", "multipatch"):
        without_index(name, name + "_noshx")

    # ---- Damaged files ----
    header, recs = records("squares")
    # Cut 20 bytes into the content of record 3.
    assemble("cut_inside", header, recs, shx=False)
    cut = 100 + 2 * (8 + len(recs[0][1])) + 8 + 20
    with open("cut_inside.shp", "r+b") as f:
        f.truncate(cut)
    # Cut at the end of record 2: the walk ends there.
    assemble("cut_boundary", header, recs, shx=False)
    with open("cut_boundary.shp", "r+b") as f:
        f.truncate(100 + 2 * (8 + len(recs[0][1])))
    # The header's length ends inside the last record.
    assemble("header_short", header, recs, shx=False)
    size = os.path.getsize("header_short.shp")
    patch("header_short.shp", 24, ">i", (size - 10) // 2)
    # Record 2 has no content at all; record 3 is of shape type 99; record 4
    # claims 1,000,000 points for its 5; record 5 claims 2^31 - 1 parts.
    damaged = [[n, bytearray(c)] for n, c in recs]
    damaged[1][1] = bytearray()
    damaged[2][1] = bytearray(damaged[2][1])
    struct.pack_into("<i", damaged[2][1], 0, 99)
    struct.pack_into("<i", damaged[3][1], 40, 1000000)
    struct.pack_into("<i", damaged[4][1], 36, 2**31 - 1)
    assemble("damaged", header, damaged)
    # Negative counts: a part count of -1, a point count of -5; a content of
    # 12 bytes, shorter than a polygon's head.
    negative = [[n, bytearray(c)] for n, c in recs[:4]]
    struct.pack_into("<i", negative[0][1], 36, -1)
    struct.pack_into("<i", negative[1][1], 40, -5)
    negative[2][1] = negative[2][1][:12]
    assemble("negative", header, negative)
    # Two parts whose starts decrease: the first part's range is reversed and
    # left out, the second (the whole point list) is drawn.
    two = [[n, bytearray(c)] for n, c in records("holes")[1]]
    struct.pack_into("<ii", two[0][1], 44, 5, 0)
    assemble("decreasing", records("holes")[0], two)
    # A single part whose start says 3: the start of a single part is not
    # read, the part holds all five points of the square.
    single = [[n, bytearray(c)] for n, c in recs[:1]]
    struct.pack_into("<i", single[0][1], 44, 3)
    assemble("single_start", header, single)
    # Index files: entry 2 with a shorter length that fits (used), entry 3 with
    # a length beyond the file (the header's is used), entry into the header,
    # a wrong file code.
    assemble("shx_length", header, recs)
    patch("shx_length.shx", 100 + 8 + 4, ">i", len(recs[1][1]) // 2 - 8)
    patch("shx_length.shx", 100 + 16 + 4, ">i", 1000000)
    assemble("shx_header", header, recs)
    patch("shx_header.shx", 100 + 8, ">i", 10)
    assemble("shx_code", header, recs)
    patch("shx_code.shx", 0, ">i", 9995)
    assemble("shx_code_noshx", header, recs, shx=False)
    # The squares' index file padded with zeros to 1.6 GB (a sparse file):
    # the entries after the sixth point into the main file's header.
    assemble("shx_padded", header, recs)
    with open("shx_padded.shx", "r+b") as f:
        f.truncate(1_600_000_000)
    # Records 2 and 4 with the same record number.
    dup = [[n, c] for n, c in recs]
    dup[3][0] = 2
    assemble("duplicates", header, dup)
    # A file without records.
    assemble("empty", header, [])

    # ---- Large files ----
    w = shapefile.Writer("many_points", shapeType=shapefile.POINT)
    w.field("ID", "N")
    for i in range(150000):
        w.point(i % 1000, i // 1000)
        w.record(i)
    w.close()
    os.remove("many_points.shx")
    w = shapefile.Writer("many_polygons", shapeType=shapefile.POLYGON)
    w.field("ID", "N")
    for i in range(100000):
        x, y = i % 400, i // 400
        w.poly([[[x, y], [x, y + 1], [x + 1, y + 1], [x + 1, y], [x, y]]])
        w.record(i)
    w.close()


if __name__ == "__main__":
    main()
