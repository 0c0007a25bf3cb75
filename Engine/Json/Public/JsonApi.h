// Export marker of the JSON object model library: exports its symbols while
// it is built (its build sets the marker) and imports them everywhere else.
#pragma once

#include "CoreApi.h"

#ifndef JSON_API
#define JSON_API HMD_DLLIMPORT
#endif
