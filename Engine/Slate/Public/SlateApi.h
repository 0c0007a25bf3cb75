// Export marker of the user-interface library: exports its symbols while it
// is built (its build sets the marker) and imports them everywhere else.
#pragma once

#include "CoreApi.h"

#ifndef SLATE_API
#define SLATE_API HMD_DLLIMPORT
#endif
