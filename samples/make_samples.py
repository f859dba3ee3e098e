#!/usr/bin/python3
"""Writes the sample files of the program's UserData folder.

testq.txt  source list: point number and cartesian X, Y, Z in metres in WGS 72
testz.txt  target list: point number, longitude, latitude in decimal degrees
           and ellipsoidal height in metres on the WGS 84 ellipsoid
test.kns   the calculation window's inputs for the pair

The target points are the source points transformed with the published
WGS 72 to WGS 84 parameter set of EPSG Guidance Note 7-2 (position vector
transformation, EPSG method 9606): tX = tY = 0 m, tZ = +4.5 m, rX = rY = 0,
rZ = +0.554 arc-seconds, dS = +0.219 ppm. A computation on the pair in the
position vector convention gives these parameters back.

Usage: make_samples.py [output folder]  (default: the folder of this script)
"""
import math
import os
import sys

WGS72 = (6378135.0, 1 / 298.26)
WGS84 = (6378137.0, 1 / 298.257223563)
# tx, ty, tz in metres, rx, ry, rz in arc-seconds, scale in ppm
PARAMETERS = (0.0, 0.0, 4.5, 0.0, 0.0, 0.554, 0.219)

# Points in WGS 72: latitude, longitude in degrees, height in metres.
POINTS = [
    (55.0, 4.0, 0.0),  # the Guidance Note's example point
    (52.5163, 13.3777, 84.2), (48.1372, 11.5755, 560.7), (50.9375, 6.9603, 98.1),
    (53.5511, 9.9937, 52.9), (47.3769, 8.5417, 455.3), (48.8566, 2.3522, 80.6),
    (45.4642, 9.19, 171.4), (59.3293, 18.0686, 61.0), (51.5074, -0.1278, 65.2),
    (46.9481, 7.4474, 584.1), (50.0755, 14.4378, 270.9), (54.3520, 18.6466, 49.7),
    (43.7102, 7.262, 110.3), (60.3913, 5.3221, 98.5), (47.0707, 15.4395, 393.2),
]


def cartesian(lat, lon, h, ellipsoid):
    a, f = ellipsoid
    e2 = f * (2 - f)
    phi, lam = math.radians(lat), math.radians(lon)
    n = a / math.sqrt(1 - e2 * math.sin(phi) ** 2)
    return ((n + h) * math.cos(phi) * math.cos(lam), (n + h) * math.cos(phi) * math.sin(lam),
            (n * (1 - e2) + h) * math.sin(phi))


def geographic(x, y, z, ellipsoid):
    a, f = ellipsoid
    e2 = f * (2 - f)
    p = math.hypot(x, y)
    phi = math.atan2(z, p * (1 - e2))
    for _ in range(10):
        n = a / math.sqrt(1 - e2 * math.sin(phi) ** 2)
        h = p / math.cos(phi) - n
        phi = math.atan2(z, p * (1 - e2 * n / (n + h)))
    n = a / math.sqrt(1 - e2 * math.sin(phi) ** 2)
    return math.degrees(phi), math.degrees(math.atan2(y, x)), p / math.cos(phi) - n


def position_vector(x, y, z):
    tx, ty, tz, rx, ry, rz, ds = PARAMETERS
    rx, ry, rz = (math.radians(r / 3600) for r in (rx, ry, rz))
    m = 1 + ds * 1e-6
    return (tx + m * (x - rz * y + ry * z), ty + m * (rz * x + y - rx * z), tz + m * (-ry * x + rx * y + z))


def write(path, lines):
    with open(path, "w", newline="\r\n", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    source, target = [], []
    for number, (lat, lon, h) in enumerate(POINTS, 1):
        xyz = cartesian(lat, lon, h, WGS72)
        source.append("%d %.4f %.4f %.4f" % ((number,) + xyz))
        lat84, lon84, h84 = geographic(*position_vector(*xyz), WGS84)
        target.append("%d %.9f %.9f %.4f" % (number, lon84, lat84, h84))
    write(os.path.join(folder, "testq.txt"), source)
    write(os.path.join(folder, "testz.txt"), target)
    axes = lambda e: "%015.7f%015.7f" % (e[0], e[0] * (1 - e[1]))
    write(os.path.join(folder, "test.kns"), [
        "MERIDOXA KNS",
        "%-20s%s" % ("ParaEllQ", axes(WGS72)),
        "%-20s%s" % ("ParaEllZ", axes(WGS84)),
        # formats 2 (No,X,Y,Z) and 4 (No,lon,lat,hgt); ellipsoids 3 (WGS 72), 1 (WGS 84)
        "%-20s%s" % ("ParaCombo", "0002000300040001"),
        "%-20s%s" % ("ParaTyp", "2"),
        "%-20s%s" % ("ParaBezQ", "WGS 72"),
        "%-20s%s" % ("ParaBezZ", "WGS 84"),
        "%-20s%s" % ("ParaKom", "WGS 72 to WGS 84, EPSG Guidance Note 7-2"),
    ])


if __name__ == "__main__":
    main()
