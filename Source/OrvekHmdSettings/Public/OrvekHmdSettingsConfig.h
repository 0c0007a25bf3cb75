// The settings record of the tracked head-mounted display. The field names
// are the keys of the configuration file.
#pragma once

#include "Containers/UnrealString.h"

struct OrvekHmdSettingsConfig
{
	/** Subject name of the tracked head-mounted display. */
	FString SubjectName;
	/** Logging switch. */
	bool EnableLogging = false;
};
