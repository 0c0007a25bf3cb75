// Export marker of the Level Editor library: exports its symbols while it is
// built (its build sets the marker) and imports them everywhere else.
#pragma once

#include "CoreApi.h"

#ifndef LEVELEDITOR_API
#define LEVELEDITOR_API HMD_DLLIMPORT
#endif
