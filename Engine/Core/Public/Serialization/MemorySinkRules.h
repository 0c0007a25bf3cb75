// The rules that every in-memory sink of bytes or text follows, whatever
// its storage: it holds at most MaxBytes bytes and stops the program beyond
// them with the memory writer's message; it is named "FMemoryWriter" in
// messages unless it was given a name; and the text it delivers leaves out
// NUL code units.
#pragma once

#include "CoreApi.h"
#include "CoreTypes.h"
#include "Containers/UnrealString.h"

namespace MemorySinkRules
{
	/** The most a sink holds: 2,147,483,646 bytes, which is 1,073,741,823 UTF-16 code units. */
	inline constexpr int64 MaxBytes = 2147483646;

	/** The name of a sink that was given none. */
	CORE_API FString DefaultArchiveName();

	/** Stops the program: the sink named ArchiveName was to grow beyond MaxBytes. */
	CORE_API void FailBeyondMaxBytes(const FString& ArchiveName);

	/** Stops the program when a sink named by GetName() would hold NewSize bytes, more than MaxBytes. */
	template <typename NameFunctionType>
	void CheckGrowth(int64 NewSize, NameFunctionType&& GetName)
	{
		if (NewSize > MaxBytes) [[unlikely]]
		{
			FailBeyondMaxBytes(GetName());
		}
	}

	/** The first NUL unit from First on, or Last when there is none before it. */
	CORE_API const TCHAR* FindNul(const TCHAR* First, const TCHAR* Last);

	/** Calls Take(First, Count) for each run of the Count units at Units that holds no NUL unit, in order; empty runs are left out. */
	template <typename TakeFunctionType>
	void ForEachRunWithoutNul(const TCHAR* Units, SIZE_T Count, TakeFunctionType&& Take)
	{
		const TCHAR* const End = Units + Count;
		while (Units < End)
		{
			const TCHAR* const RunEnd = FindNul(Units, End);
			if (RunEnd != Units)
			{
				Take(Units, static_cast<SIZE_T>(RunEnd - Units));
			}
			Units = RunEnd == End ? End : RunEnd + 1;
		}
	}
}
