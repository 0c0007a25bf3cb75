#pragma once

#include "CoreTypes.h"

#ifndef ORVEKHMDSETTINGS_API
#define ORVEKHMDSETTINGS_API HMD_DLLIMPORT
#endif
