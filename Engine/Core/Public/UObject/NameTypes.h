// FName: an interned, case-insensitive name (module, hook, section and
// context names). Names are kept in one process-wide table.
#pragma once

#include "Containers/UnrealString.h"
#include "CoreApi.h"

class CORE_API FName
{
public:
	/** The empty name, NAME_None. */
	FName() = default;
	/** Finds the name in the table, adding it when it is missing. */
	FName(const TCHAR* Name);
	/** From narrow text, one character per byte, as name literals are often written. */
	FName(const ANSICHAR* Name);
	FName(const FString& Name);

	bool IsNone() const { return Index == 0; }
	FString ToString() const;

	/** Names compare without regard to ASCII case, as the engine's do. */
	bool operator==(const FName& Other) const { return Index == Other.Index; }
	bool operator<(const FName& Other) const { return Index < Other.Index; }

	int32 GetComparisonIndex() const { return Index; }

private:
	int32 Index = 0;
};

inline const FName NAME_None;

template <>
struct std::hash<FName>
{
	SIZE_T operator()(const FName& Name) const noexcept { return std::hash<int32>()(Name.GetComparisonIndex()); }
};
