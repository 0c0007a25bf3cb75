// Export marker of the platform library: exports its symbols while it is
// built (its build sets the marker) and imports them everywhere else.
#pragma once

#include "CoreApi.h"

#ifndef PLATFORM_API
#define PLATFORM_API HMD_DLLIMPORT
#endif
