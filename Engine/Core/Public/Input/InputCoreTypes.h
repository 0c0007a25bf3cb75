// FKey: a key of the keyboard by name (Enter, Tab, F10, Q, ...). Commands
// bind chords of keys and widgets receive key events, so the key type lives
// below both.
#pragma once

#include "UObject/NameTypes.h"

class FKey
{
public:
	FKey() = default;
	FKey(FName InKeyName) : KeyName(InKeyName) {}
	FKey(const TCHAR* InKeyName) : KeyName(InKeyName) {}

	bool IsValid() const { return !KeyName.IsNone(); }
	FName GetFName() const { return KeyName; }
	FString ToString() const { return KeyName.ToString(); }

	/** Key names compare without regard to case. */
	bool operator==(const FKey& Other) const { return KeyName == Other.KeyName; }

private:
	FName KeyName;
};
