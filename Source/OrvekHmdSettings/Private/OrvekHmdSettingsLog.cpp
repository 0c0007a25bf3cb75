#include "OrvekHmdSettingsLog.h"

DEFINE_LOG_CATEGORY(LogOrvekHmdSettings);
