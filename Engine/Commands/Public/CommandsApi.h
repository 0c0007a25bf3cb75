// Export marker of the commands-and-menus library: exports its symbols while
// it is built (its build sets the marker) and imports them everywhere else.
#pragma once

#include "CoreApi.h"

#ifndef COMMANDS_API
#define COMMANDS_API HMD_DLLIMPORT
#endif
