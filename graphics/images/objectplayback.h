#pragma once
// Pictures put into the canvas without a bitmap of the kit's own:
// objectDirectBmp has the system's picture object render a picture file
// straight into the device, objectEnhMeta plays an enhanced metafile into a
// rectangle or over the whole canvas (below a tool bar at the device's top).
// Both read their file anew at every drawing and report nothing; a file that
// is missing or unreadable draws nothing.
#include "graphics/images/objectfilebox.h"

// A width or height of 0 draws the picture at its own size for the device's
// resolution.
class objectDirectBmp : public objectFileBox {
public:
    using objectFileBox::objectFileBox;
    void Draw() override;
};

// A width or height of 0 plays the metafile over the whole canvas.
class objectEnhMeta : public objectFileBox {
public:
    using objectFileBox::objectFileBox;
    void Draw() override;
};
