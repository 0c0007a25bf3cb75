// Export marker of the module manager library: exports its symbols while it
// is built (its build sets the marker) and imports them everywhere else.
#pragma once

#include "CoreApi.h"

#ifndef MODULES_API
#define MODULES_API HMD_DLLIMPORT
#endif
