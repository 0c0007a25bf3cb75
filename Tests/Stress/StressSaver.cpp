// The stress saver: saves the settings file below BASE_FOLDER over and over,
// each time a whole new version of generation GENERATION, until it is
// killed. After each save it prints "saved SEQUENCE", or "failed SEQUENCE
// REASON" when the save failed, one line each on standard output.
//
// Usage: StressSaver BASE_FOLDER GENERATION
#include "StressVersions.h"

#include "Containers/StringConv.h"
#include "HAL/FileAccess.h"
#include "Misc/FileHelper.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace
{
	/** Writes the whole line at once, unbuffered, so that a kill loses no line that was written. */
	void WriteLine(const std::string& Line)
	{
		for (SIZE_T Done = 0; Done < Line.size();)
		{
			const ssize_t Written = write(STDOUT_FILENO, Line.data() + Done, Line.size() - Done);
			if (Written <= 0)
			{
				std::exit(3);
			}
			Done += static_cast<SIZE_T>(Written);
		}
	}
}

int main(int ArgumentCount, char** Arguments)
{
	char* End = nullptr;
	const long long Generation = ArgumentCount == 3 ? std::strtoll(Arguments[2], &End, 10) : 0;
	if (ArgumentCount != 3 || End == Arguments[2] || *End != '\0' || Generation <= 0)
	{
		std::fprintf(stderr, "Usage: StressSaver BASE_FOLDER GENERATION (a number from 1)\n");
		return 2;
	}
	FFileAccess Access;
	Access.BaseFolder = StringConv::FromUtf8(Arguments[1]);
	const FString File = GetStressSettingsFile(Access.BaseFolder);
	for (int64 Sequence = 1;; ++Sequence)
	{
		const FString Text = MakeStressVersionText(FStressVersion{Generation, Sequence});
		FString Error;
		const bool bSaved = FFileHelper::SaveStringToFile(Text, *File, FFileHelper::EEncodingOptions::AutoDetect, &IFileManager::Get(), 0, Access, &Error);
		WriteLine((bSaved ? "saved " : "failed ") + std::to_string(Sequence) + (bSaved ? "" : " " + StringConv::ToUtf8(Error)) + "\n");
	}
}
