/* The reading part of the shapefile benchmark's floor: shapelib (Debian's
   libshp-dev) reads every record of a shapefile with SHPReadObject, natively.
   Prints the best of three rounds in milliseconds and the vertex count read.
   Usage: shapelib_floor FILE.shp */
#include <shapefil.h>
#include <stdio.h>
#include <time.h>

static double Now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv)
{
    double best = 1e30;
    long vertices = 0;
    if (argc < 2) {
        fprintf(stderr, "usage: shapelib_floor FILE.shp\n");
        return 2;
    }
    for (int round = 0; round < 3; ++round) {
        const double start = Now();
        SHPHandle h = SHPOpen(argv[1], "rb");
        int count = 0;
        if (h == NULL) {
            fprintf(stderr, "shapelib_floor: cannot open %s\n", argv[1]);
            return 1;
        }
        SHPGetInfo(h, &count, NULL, NULL, NULL);
        vertices = 0;
        for (int i = 0; i < count; ++i) {
            SHPObject* o = SHPReadObject(h, i);
            if (o != NULL) vertices += o->nVertices;
            SHPDestroyObject(o);
        }
        SHPClose(h);
        const double ms = Now() - start;
        if (ms < best) best = ms;
    }
    printf("shapelib SHPReadObject, every record: %8.1f ms (%ld vertices)\n", best, vertices);
    return 0;
}
