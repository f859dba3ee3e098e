# 64-bit Windows: the same program for current Windows, and the build that
# runs on every x86-64 machine (also where 32-bit code cannot run).
set(MDX_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
