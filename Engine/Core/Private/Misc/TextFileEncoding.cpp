#include "Misc/TextFileEncoding.h"

#include "Containers/StringConv.h"

#include <algorithm>
#include <cstring>
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

	/**
	 * Strict UTF-8 (no overlong forms, no encoded surrogates, nothing beyond
	 * U+10FFFF) to UTF-16 in one pass; false at the first ill-formed sequence.
	 * Runs of ASCII, the bulk of a JSON file, are widened eight bytes at a time.
	 */
	bool DecodeValidUtf8(const uint8* Bytes, int64 Size, std::u16string& Out)
	{
		Out.reserve(static_cast<SIZE_T>(Size));
		// Units are gathered in a small buffer, so the output is written once, without clearing it first.
		constexpr int64 ChunkUnits = 4096;
		TCHAR Chunk[ChunkUnits + 1];
		int64 Used = 0;
		int64 Index = 0;
		while (Index < Size)
		{
			if (Used >= ChunkUnits - 8)
			{
				Out.append(Chunk, static_cast<SIZE_T>(Used));
				Used = 0;
			}
			if (Index + 8 <= Size)
			{
				uint64 Eight;
				std::memcpy(&Eight, Bytes + Index, sizeof(Eight));
				if ((Eight & 0x8080808080808080ull) == 0)
				{
					for (int64 Offset = 0; Offset < 8; ++Offset)
					{
						Chunk[Used + Offset] = Bytes[Index + Offset];
					}
					Used += 8;
					Index += 8;
					continue;
				}
			}
			const uint8 Lead = Bytes[Index];
			if (Lead < 0x80)
			{
				Chunk[Used++] = Lead;
				++Index;
				continue;
			}
			int64 Length = 0;
			char32_t CodePoint = 0;
			char32_t Minimum = 0;
			if (Lead >= 0xC2 && Lead <= 0xDF)
			{
				Length = 2;
				CodePoint = Lead & 0x1F;
				Minimum = 0x80;
			}
			else if (Lead >= 0xE0 && Lead <= 0xEF)
			{
				Length = 3;
				CodePoint = Lead & 0x0F;
				Minimum = 0x800;
			}
			else if (Lead >= 0xF0 && Lead <= 0xF4)
			{
				Length = 4;
				CodePoint = Lead & 0x07;
				Minimum = 0x10000;
			}
			else
			{
				return false;
			}
			if (Index + Length > Size)
			{
				return false;
			}
			for (int64 Offset = 1; Offset < Length; ++Offset)
			{
				const uint8 Continuation = Bytes[Index + Offset];
				if ((Continuation & 0xC0) != 0x80)
				{
					return false;
				}
				CodePoint = (CodePoint << 6) | (Continuation & 0x3F);
			}
			if (CodePoint < Minimum || CodePoint > 0x10FFFF || (CodePoint >= 0xD800 && CodePoint <= 0xDFFF))
			{
				return false;
			}
			if (CodePoint >= 0x10000)
			{
				Chunk[Used++] = static_cast<TCHAR>(0xD800 + ((CodePoint - 0x10000) >> 10));
				Chunk[Used++] = static_cast<TCHAR>(0xDC00 + ((CodePoint - 0x10000) & 0x3FF));
			}
			else
			{
				Chunk[Used++] = static_cast<TCHAR>(CodePoint);
			}
			Index += Length;
		}
		Out.append(Chunk, static_cast<SIZE_T>(Used));
		return true;
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
	std::u16string Text;
	if (DecodeValidUtf8(Bytes, Size, Text))
	{
		return FString(std::move(Text));
	}
	return Widen(Bytes, Size);
}
