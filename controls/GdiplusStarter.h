#pragma once
// The process's GDI+ session: started by the first user (a gadget) and shut
// down at module exit.

#include "platform/gdiplus/Startup.h"

class GdiplusStarter {
public:
    GdiplusStarter();
    ~GdiplusStarter();
    GdiplusStarter(const GdiplusStarter&) = delete;
    GdiplusStarter& operator=(const GdiplusStarter&) = delete;

    ULONG_PTR Token() const { return mToken; }

private:
    ULONG_PTR mToken = 0;
    Gdiplus::GdiplusStartupInput mInput;
};

// Makes the module-wide starter unless there is one.
void EnsureGdiplusStarted();
