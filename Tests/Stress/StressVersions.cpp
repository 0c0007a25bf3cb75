#include "StressVersions.h"

#include "Containers/StringConv.h"
#include "Misc/Paths.h"
#include "Serialization/JsonSerializer.h"

#include <cstdio>
#include <string>

namespace
{
	/** A well-mixed number from the version, for its length and characters. */
	uint64 MixVersion(const FStressVersion& Version)
	{
		uint64 Mix = static_cast<uint64>(Version.Sequence) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64>(Version.Generation) * 0xC2B2AE3D27D4EB4Full;
		Mix ^= Mix >> 29;
		Mix *= 0xBF58476D1CE4E5B9ull;
		return Mix ^ (Mix >> 32);
	}

	std::string MakeName(const FStressVersion& Version)
	{
		char Prefix[64];
		std::snprintf(Prefix, sizeof(Prefix), "stress g%lld s%lld ", static_cast<long long>(Version.Generation),
			static_cast<long long>(Version.Sequence));
		std::string Name = Prefix;

		// A quarter each: a few bytes, under a block, a few blocks, many blocks.
		const uint64 Mix = MixVersion(Version);
		constexpr uint64 Lengths[][2] = {{0, 64}, {64, 3000}, {4096, 12000}, {12000, 40000}};
		const uint64* const Range = Lengths[Mix % 4];
		const uint64 Length = Range[0] + (Mix >> 8) % (Range[1] - Range[0]);
		// One in five has characters beyond ASCII, which makes the file UTF-16.
		const bool bWide = (Mix >> 40) % 5 == 0;
		for (uint64 Index = 0; Index < Length; ++Index)
		{
			if (bWide && Index % 7 == 3)
			{
				Name += Index % 2 == 0 ? "\xC3\xBC" : "\xE6\x96\x87";
			}
			else
			{
				Name += static_cast<char>('a' + (Index + Mix) % 26);
			}
		}
		return Name;
	}
}

FString GetStressSettingsFile(const FString& BaseFolder)
{
	return FPaths::Combine(BaseFolder, TEXT("Orvek"), TEXT("Skellan_4.20"), TEXT("Config"), TEXT("OHeadSetConfig.json"));
}

FString MakeStressVersionText(const FStressVersion& Version)
{
	const char* const Logging = Version.Sequence % 2 == 0 ? "true" : "false";
	return StringConv::FromUtf8("{\r\n\t\"SubjectName\": \"" + MakeName(Version) + "\",\r\n\t\"EnableLogging\": " + Logging + "\r\n}");
}

bool IdentifyStressVersion(const FString& Text, FStressVersion& OutVersion)
{
	TSharedPtr<FJsonObject> Object;
	FString Name;
	bool bLogging = false;
	if (!JsonSerializer::ReadObject(StringJsonReader::Create(Text), Object) || Object->Num() != 2
		|| !Object->TryGetStringField(TEXT("SubjectName"), Name) || !Object->TryGetBoolField(TEXT("EnableLogging"), bLogging))
	{
		return false;
	}
	long long Generation = 0;
	long long Sequence = 0;
	if (std::sscanf(StringConv::ToUtf8(Name).c_str(), "stress g%lld s%lld ", &Generation, &Sequence) != 2)
	{
		return false;
	}
	const FStressVersion Version{Generation, Sequence};
	if (MakeStressVersionText(Version) != Text)
	{
		return false;
	}
	OutVersion = Version;
	return true;
}
