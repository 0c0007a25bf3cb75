#include "Containers/StringConv.h"

#include "Containers/Utf16Surrogates.h"

#include <cstring>

namespace
{
	constexpr char32_t ReplacementCharacter = 0xFFFD;

	void AppendUtf8(std::string& Out, char32_t CodePoint)
	{
		if (CodePoint < 0x80)
		{
			Out.push_back(static_cast<char>(CodePoint));
		}
		else if (CodePoint < 0x800)
		{
			Out.push_back(static_cast<char>(0xC0 | (CodePoint >> 6)));
			Out.push_back(static_cast<char>(0x80 | (CodePoint & 0x3F)));
		}
		else if (CodePoint < 0x10000)
		{
			Out.push_back(static_cast<char>(0xE0 | (CodePoint >> 12)));
			Out.push_back(static_cast<char>(0x80 | ((CodePoint >> 6) & 0x3F)));
			Out.push_back(static_cast<char>(0x80 | (CodePoint & 0x3F)));
		}
		else
		{
			Out.push_back(static_cast<char>(0xF0 | (CodePoint >> 18)));
			Out.push_back(static_cast<char>(0x80 | ((CodePoint >> 12) & 0x3F)));
			Out.push_back(static_cast<char>(0x80 | ((CodePoint >> 6) & 0x3F)));
			Out.push_back(static_cast<char>(0x80 | (CodePoint & 0x3F)));
		}
	}

	void AppendUtf16(std::u16string& Out, char32_t CodePoint)
	{
		if (CodePoint >= Utf16Surrogates::FirstSupplementary)
		{
			Out.push_back(Utf16Surrogates::HighOf(CodePoint));
			Out.push_back(Utf16Surrogates::LowOf(CodePoint));
		}
		else
		{
			Out.push_back(static_cast<char16_t>(CodePoint));
		}
	}

	// Decodes one sequence at Bytes[Index]. With bStrict, encoded surrogates are
	// refused; otherwise they decode to the surrogate unit they encode. Returns
	// the sequence length, or 0 when no well-formed sequence starts there.
	SIZE_T DecodeUtf8(std::string_view Bytes, SIZE_T Index, bool bStrict, char32_t& CodePoint)
	{
		const auto Byte = [&](SIZE_T Offset) { return static_cast<unsigned char>(Bytes[Index + Offset]); };
		const unsigned char Lead = Byte(0);
		SIZE_T Length = 0;
		char32_t Minimum = 0;
		if (Lead < 0x80)
		{
			CodePoint = Lead;
			return 1;
		}
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
			return 0;
		}
		if (Index + Length > Bytes.size())
		{
			return 0;
		}
		for (SIZE_T Offset = 1; Offset < Length; ++Offset)
		{
			if ((Byte(Offset) & 0xC0) != 0x80)
			{
				return 0;
			}
			CodePoint = (CodePoint << 6) | (Byte(Offset) & 0x3F);
		}
		if (CodePoint < Minimum || CodePoint > 0x10FFFF || (bStrict && Utf16Surrogates::IsSurrogate(CodePoint)))
		{
			return 0;
		}
		return Length;
	}
}

std::string StringConv::ToUtf8(std::u16string_view Text)
{
	std::string Out;
	Out.reserve(Text.size());
	for (SIZE_T Index = 0; Index < Text.size(); ++Index)
	{
		const char32_t Unit = Text[Index];
		if (Utf16Surrogates::StartsPair(Text, Index))
		{
			AppendUtf8(Out, Utf16Surrogates::Join(Unit, Text[Index + 1]));
			++Index;
		}
		else
		{
			AppendUtf8(Out, Unit);
		}
	}
	return Out;
}

FString StringConv::FromUtf8(std::string_view Bytes)
{
	std::u16string Out;
	Out.reserve(Bytes.size());
	SIZE_T Index = 0;
	while (Index < Bytes.size())
	{
		char32_t CodePoint = 0;
		const SIZE_T Length = DecodeUtf8(Bytes, Index, false, CodePoint);
		if (Length == 0)
		{
			Out.push_back(static_cast<char16_t>(ReplacementCharacter));
			++Index;
			continue;
		}
		AppendUtf16(Out, CodePoint);
		Index += Length;
	}
	return FString(std::move(Out));
}

bool StringConv::TryFromUtf8(std::string_view Bytes, FString& OutText)
{
	std::u16string Out;
	Out.reserve(Bytes.size());
	// Units are gathered in a small buffer, so the output is written once,
	// without clearing it first; runs of ASCII, the bulk of most files, are
	// widened eight bytes at a time.
	constexpr SIZE_T ChunkUnits = 4096;
	char16_t Chunk[ChunkUnits];
	SIZE_T Used = 0;
	SIZE_T Index = 0;
	while (Index < Bytes.size())
	{
		if (Used + 8 > ChunkUnits)
		{
			Out.append(Chunk, Used);
			Used = 0;
		}
		if (Index + 8 <= Bytes.size())
		{
			uint64 Eight = 0;
			std::memcpy(&Eight, Bytes.data() + Index, sizeof(Eight));
			if ((Eight & 0x8080808080808080ull) == 0)
			{
				for (SIZE_T Offset = 0; Offset < 8; ++Offset)
				{
					Chunk[Used + Offset] = static_cast<char16_t>(static_cast<unsigned char>(Bytes[Index + Offset]));
				}
				Used += 8;
				Index += 8;
				continue;
			}
		}
		char32_t CodePoint = 0;
		const SIZE_T Length = DecodeUtf8(Bytes, Index, true, CodePoint);
		if (Length == 0)
		{
			return false;
		}
		if (CodePoint >= Utf16Surrogates::FirstSupplementary)
		{
			Chunk[Used++] = Utf16Surrogates::HighOf(CodePoint);
			Chunk[Used++] = Utf16Surrogates::LowOf(CodePoint);
		}
		else
		{
			Chunk[Used++] = static_cast<char16_t>(CodePoint);
		}
		Index += Length;
	}
	Out.append(Chunk, Used);
	OutText = FString(std::move(Out));
	return true;
}

bool StringConv::IsValidUtf8(std::string_view Bytes)
{
	SIZE_T Index = 0;
	while (Index < Bytes.size())
	{
		char32_t CodePoint = 0;
		const SIZE_T Length = DecodeUtf8(Bytes, Index, true, CodePoint);
		if (Length == 0)
		{
			return false;
		}
		Index += Length;
	}
	return true;
}

std::wstring StringConv::ToWide(std::u16string_view Text)
{
	std::wstring Out;
	Out.reserve(Text.size());
	if constexpr (sizeof(wchar_t) == 2)
	{
		for (const char16_t Unit : Text)
		{
			Out.push_back(static_cast<wchar_t>(Unit));
		}
	}
	else
	{
		for (SIZE_T Index = 0; Index < Text.size(); ++Index)
		{
			const char32_t Unit = Text[Index];
			if (Utf16Surrogates::StartsPair(Text, Index))
			{
				Out.push_back(static_cast<wchar_t>(Utf16Surrogates::Join(Unit, Text[Index + 1])));
				++Index;
			}
			else
			{
				Out.push_back(static_cast<wchar_t>(Unit));
			}
		}
	}
	return Out;
}

FString StringConv::FromWide(std::wstring_view Text)
{
	std::u16string Out;
	Out.reserve(Text.size());
	for (const wchar_t Character : Text)
	{
		const auto CodePoint = static_cast<char32_t>(Character);
		if constexpr (sizeof(wchar_t) == 2)
		{
			Out.push_back(static_cast<char16_t>(CodePoint));
		}
		else
		{
			AppendUtf16(Out, CodePoint <= 0x10FFFF ? CodePoint : ReplacementCharacter);
		}
	}
	return FString(std::move(Out));
}

bool StringConv::TryFromUtf8Lossless(std::string_view Bytes, FString& OutText)
{
	FString Text = FromUtf8(Bytes);
	if (ToUtf8(Text) != Bytes)
	{
		return false;
	}
	OutText = std::move(Text);
	return true;
}
