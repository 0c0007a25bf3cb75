// The settings texts the stress saver writes. Each save writes one whole
// version: a valid settings text named by its generation (one per saver
// started) and its sequence number, from a few bytes to several file-system
// blocks long, some in ASCII and some not (so saved as UTF-16).
#pragma once

#include "Containers/UnrealString.h"

struct FStressVersion
{
	int64 Generation = 0;
	int64 Sequence = 0;

	friend bool operator==(const FStressVersion&, const FStressVersion&) = default;
};

/** The settings file below the base folder, where the module keeps it. */
FString GetStressSettingsFile(const FString& BaseFolder);

/** The text of one version. */
FString MakeStressVersionText(const FStressVersion& Version);

/**
 * Parses a settings text and tells which version it is. False for anything
 * that is not exactly one version's text: a mix of two, a cut-short one, a
 * text that does not parse.
 */
bool IdentifyStressVersion(const FString& Text, FStressVersion& OutVersion);
