// Export marker of the commands-and-menus library.
#pragma once

#include "CoreTypes.h"

#ifndef COMMANDS_API
#define COMMANDS_API HMD_DLLIMPORT
#endif
