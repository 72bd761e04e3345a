#pragma once
// The GDI+ surface the module uses, in one include.

#include "platform/gdiplus/GdiplusTypes.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gdiplus/Image.h"
#include "platform/gdiplus/Startup.h"
