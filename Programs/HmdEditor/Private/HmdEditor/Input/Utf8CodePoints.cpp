#include "HmdEditor/Input/Utf8CodePoints.h"

#include "Containers/StringConv.h"
#include "Text/CodePointString.h"

bool Utf8ToCodePoints(std::string_view Bytes, std::u32string& Out)
{
	if (!StringConv::IsValidUtf8(Bytes))
	{
		return false;
	}
	// Well-formed UTF-8 holds no lone surrogates: every pair in the UTF-16
	// form becomes one code point.
	Out = CodePointString::FromText(StringConv::FromUtf8(Bytes));
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
