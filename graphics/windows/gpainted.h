#pragma once
// Off-screen devices (gMemory, gEnhMetaFile) made together with their first
// full repaint. A constructor reaches only its own class's Paint, so a
// subclass that paints in Paint is made through Painted: the repaint then
// runs on the whole object and reaches the subclass's Paint.
#include <memory>
#include <utility>

class gPaintedOnMaking {
public:
    // A new device of class Device made of the arguments, after its full
    // repaint (PaintNew).
    template <typename Device, typename... Args>
    static std::unique_ptr<Device> Painted(Args&&... aArgs)
    {
        auto oDevice = std::make_unique<Device>(std::forward<Args>(aArgs)...);
        oDevice->PaintNew();
        return oDevice;
    }
};
