#pragma once
// The screen window of the benchmarks' window parts: a shown gTopAppWindow
// of 1000 x 1000 pixels whose painter keeps a refresh bitmap. Without a
// display there is none: the window part is then skipped, saying so.
#include <cstdio>
#include <memory>

#include "graphics/windows/gkitwindow.h"
#include "platform/framework/app.h"

inline std::unique_ptr<gTopAppWindow> ShownBenchWindow()
{
    auto oWindow = std::make_unique<gTopAppWindow>();
    oWindow->SetSize({1000, 1000});
    oWindow->Show();
    ApplicationExec();
    if (oWindow->_oGraphics->State()._oRefreshCanvas.DC() != nullptr) return oWindow;
    std::printf("screen window: no display, skipped\n");
    return nullptr;
}
