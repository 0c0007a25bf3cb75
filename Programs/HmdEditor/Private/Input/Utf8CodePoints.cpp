#include "Input/Utf8CodePoints.h"

#include "Containers/StringConv.h"

bool Utf8ToCodePoints(std::string_view Bytes, std::u32string& Out)
{
	if (!StringConv::IsValidUtf8(Bytes))
	{
		return false;
	}
	// Well-formed UTF-8 holds no lone surrogates, so every surrogate met in
	// the UTF-16 form is half of a pair.
	const std::u16string Units = StringConv::FromUtf8(Bytes).GetStdString();
	Out.clear();
	for (SIZE_T Index = 0; Index < Units.size(); ++Index)
	{
		const char32_t Unit = Units[Index];
		if (Unit >= 0xD800 && Unit <= 0xDBFF && Index + 1 < Units.size())
		{
			const char32_t Low = Units[++Index];
			Out.push_back(0x10000 + ((Unit - 0xD800) << 10) + (Low - 0xDC00));
		}
		else
		{
			Out.push_back(Unit);
		}
	}
	return true;
}

bool FUtf8StreamDecoder::Start(uint8 Byte)
{
	Lower = 0x80;
	Upper = 0xBF;
	if (Byte >= 0xC2 && Byte <= 0xDF)
	{
		Needed = 1;
		CodePoint = Byte & 0x1F;
	}
	else if (Byte >= 0xE0 && Byte <= 0xEF)
	{
		Needed = 2;
		CodePoint = Byte & 0x0F;
		// E0 would start an overlong form below A0; ED a surrogate from A0 on.
		Lower = Byte == 0xE0 ? 0xA0 : 0x80;
		Upper = Byte == 0xED ? 0x9F : 0xBF;
	}
	else if (Byte >= 0xF0 && Byte <= 0xF4)
	{
		Needed = 3;
		CodePoint = Byte & 0x07;
		// F0 would start an overlong form below 90; F4 a value beyond U+10FFFF from 90 on.
		Lower = Byte == 0xF0 ? 0x90 : 0x80;
		Upper = Byte == 0xF4 ? 0x8F : 0xBF;
	}
	else
	{
		return false;
	}
	return true;
}
