// Export marker of the OrvekHmdSettings module: exports its symbols while it
// is built (its build sets the marker) and imports them everywhere else.
#pragma once

#include "CoreApi.h"

#ifndef ORVEKHMDSETTINGS_API
#define ORVEKHMDSETTINGS_API HMD_DLLIMPORT
#endif
