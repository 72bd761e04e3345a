#include "controls/GdiplusStarter.h"

#include <memory>

#include "module/ModuleExit.h"

GdiplusStarter::GdiplusStarter() {
    Gdiplus::GdiplusStartup(&mToken, &mInput, nullptr);
}

GdiplusStarter::~GdiplusStarter() {
    Gdiplus::GdiplusShutdown(mToken);
}

void EnsureGdiplusStarted() {
    static std::unique_ptr<GdiplusStarter> starter;
    if (starter)
        return;
    starter = std::make_unique<GdiplusStarter>();
    Tarvik::AtModuleExit([] { starter.reset(); });
}
