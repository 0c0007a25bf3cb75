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
