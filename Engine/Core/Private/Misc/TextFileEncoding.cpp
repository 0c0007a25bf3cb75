#include "Misc/TextFileEncoding.h"

#include "Containers/StringConv.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

namespace
{
	constexpr TCHAR ReplacementCharacter = 0xFFFD;

	/** One character per byte. */
	FString Widen(const uint8* Bytes, int64 Size)
	{
		return FString(std::u16string(Bytes, Bytes + Size));
	}

	FString DecodeUtf16(const uint8* Bytes, int64 Size, bool bBigEndian)
	{
		std::u16string Text;
		Text.reserve(static_cast<SIZE_T>(Size / 2 + 1));
		for (int64 Index = 0; Index + 1 < Size; Index += 2)
		{
			const uint8 First = Bytes[Index];
			const uint8 Second = Bytes[Index + 1];
			Text.push_back(static_cast<TCHAR>(bBigEndian ? (First << 8) | Second : (Second << 8) | First));
		}
		if (Size % 2 != 0)
		{
			Text.push_back(ReplacementCharacter);
		}
		return FString(std::move(Text));
	}
}

TArray<uint8> FTextFileEncoding::Encode(const FString& Text)
{
	const std::u16string_view Units = Text.View();
	TArray<uint8> Bytes;
	if (std::all_of(Units.begin(), Units.end(), [](TCHAR Unit) { return Unit < 0x80; }))
	{
		checkf(Units.size() <= static_cast<SIZE_T>(std::numeric_limits<int32>::max()), "text too large for one file buffer");
		Bytes.SetNum(static_cast<int32>(Units.size()));
		std::transform(Units.begin(), Units.end(), Bytes.begin(), [](TCHAR Unit) { return static_cast<uint8>(Unit); });
		return Bytes;
	}

	checkf(Units.size() <= static_cast<SIZE_T>(std::numeric_limits<int32>::max() - 2) / 2, "text too large for one file buffer");
	Bytes.SetNum(static_cast<int32>(2 + Units.size() * 2));
	uint8* Out = Bytes.GetData();
	*Out++ = 0xFF;
	*Out++ = 0xFE;
	for (const TCHAR Unit : Units)
	{
		*Out++ = static_cast<uint8>(Unit & 0xFF);
		*Out++ = static_cast<uint8>(Unit >> 8);
	}
	return Bytes;
}

FString FTextFileEncoding::Decode(const uint8* Bytes, int64 Size)
{
	if (Size >= 2 && Bytes[0] == 0xFF && Bytes[1] == 0xFE)
	{
		return DecodeUtf16(Bytes + 2, Size - 2, false);
	}
	if (Size >= 2 && Bytes[0] == 0xFE && Bytes[1] == 0xFF)
	{
		return DecodeUtf16(Bytes + 2, Size - 2, true);
	}
	if (Size >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF)
	{
		return StringConv::FromUtf8(std::string_view(reinterpret_cast<const char*>(Bytes + 3), static_cast<SIZE_T>(Size - 3)));
	}
	// ASCII is valid UTF-8 and decodes to the same text as one character per byte.
	FString Text;
	if (StringConv::TryFromUtf8(std::string_view(reinterpret_cast<const char*>(Bytes), static_cast<SIZE_T>(Size)), Text))
	{
		return Text;
	}
	return Widen(Bytes, Size);
}
