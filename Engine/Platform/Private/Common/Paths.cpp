#include "Misc/Paths.h"

#include "Common/PlatformFile.h"

void FPaths::CombineInternal(FString& OutPath, const TCHAR** Pathes, int32 NumPaths)
{
	check(NumPaths <= 0 || Pathes != nullptr);
	OutPath.Empty();
	for (int32 Index = 0; Index < NumPaths; ++Index)
	{
		// No separator before the first part; none when one is already there;
		// none after an empty start, which would turn a relative path into one
		// at the root.
		if (Index > 0 && !OutPath.IsEmpty())
		{
			const TCHAR Last = OutPath[OutPath.Len() - 1];
			if (Last != TEXT('/') && Last != TEXT('\\'))
			{
				OutPath += TEXT('/');
			}
		}
		OutPath += Pathes[Index] != nullptr ? Pathes[Index] : TEXT("");
	}
}

bool FPaths::FileExists(const FString& Filename)
{
	return FPlatformFile::FileExists(Filename);
}
