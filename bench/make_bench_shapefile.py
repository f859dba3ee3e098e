#!/usr/bin/python3
"""Writes the map of the shapefile benchmark with pyshp: 100,000 polygons on
a 400 x 250 grid, each of two rings (an outer ring of 11 points and a hole of
10, closing points included: 21 points), about 40 MB.

Usage: make_bench_shapefile.py FOLDER (writes FOLDER/bench_polygons.shp/.shx/.dbf)
"""
import math
import os
import sys

import shapefile  # pyshp


def ring(cx, cy, r, n, clockwise):
    pts = [[cx + r * math.cos(2 * math.pi * k / n), cy + r * math.sin(2 * math.pi * k / n)] for k in range(n)]
    if clockwise:
        pts.reverse()
    return pts + [pts[0]]


def main():
    os.makedirs(sys.argv[1], exist_ok=True)
    w = shapefile.Writer(os.path.join(sys.argv[1], "bench_polygons"), shapeType=shapefile.POLYGON)
    w.field("ID", "N")
    for i in range(100000):
        cx, cy = (i % 400) * 10.0 + 5, (i // 400) * 10.0 + 5
        w.poly([ring(cx, cy, 4.5, 10, True), ring(cx, cy, 2.0, 9, False)])
        w.record(i)
    w.close()


if __name__ == "__main__":
    main()
