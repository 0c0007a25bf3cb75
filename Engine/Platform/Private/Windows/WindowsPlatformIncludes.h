// The Windows headers for engine sources. They define TCHAR and TEXT for
// their own narrow/wide switch; here their TCHAR is renamed out of the way
// and the engine's TEXT is put back, so engine text stays UTF-16 char16_t.
#pragma once

#include "CoreTypes.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif

#define TCHAR WINTCHAR
#include <windows.h>
#include <bcrypt.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#undef TCHAR

#undef TEXT
#define TEXT(x) TEXT_PASTE(x)
