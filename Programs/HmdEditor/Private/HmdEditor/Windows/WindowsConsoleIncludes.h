// The Windows headers for the console front end. They define TCHAR and TEXT
// for their own narrow/wide switch; here their TCHAR is renamed out of the way
// and the engine's TEXT is put back, so engine text stays UTF-16 char16_t.
#pragma once

#include "CoreTypes.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#define TCHAR WINTCHAR
#include <windows.h>
#undef TCHAR
// User32's DrawText would rename FSlateSurface::DrawText wherever both are seen.
#undef DrawText

#undef TEXT
#define TEXT(x) TEXT_PASTE(x)
