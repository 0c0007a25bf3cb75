#include "HmdEditor/Terminal/TerminalCharacters.h"

#include "CoreTypes.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace
{
	constexpr char32_t BoxDrawingFirst = U'\u2500';
	constexpr char32_t BoxDrawingLast = U'\u257F';

	constexpr char32_t HorizontalLines[] = {
		U'─', U'━', U'┄', U'┅', U'┈', U'┉', U'═', U'╌', U'╍', U'╴', U'╶', U'╸', U'╺', U'╼', U'╾',
	};
	constexpr char32_t VerticalLines[] = {
		U'│', U'┃', U'┆', U'┇', U'┊', U'┋', U'║', U'╎', U'╏', U'╵', U'╷', U'╹', U'╻', U'╽', U'╿',
	};

	bool Contains(const auto& Characters, char32_t Character)
	{
		return std::find(std::begin(Characters), std::end(Characters), Character) != std::end(Characters);
	}
}

bool IsUtf8Codeset(std::string_view Codeset)
{
	// glibc says "UTF-8"; other systems and aliases write "utf8" or "UTF8".
	std::string_view Rest = Codeset;
	const std::string_view Letters = "utf";
	for (const char Letter : Letters)
	{
		if (Rest.empty() || std::tolower(static_cast<unsigned char>(Rest.front())) != Letter)
		{
			return false;
		}
		Rest.remove_prefix(1);
	}
	if (!Rest.empty() && Rest.front() == '-')
	{
		Rest.remove_prefix(1);
	}
	return Rest == "8";
}

bool IsUtf8LocaleName(std::string_view Name)
{
	const SIZE_T Dot = Name.find('.');
	if (Dot == std::string_view::npos)
	{
		return false;
	}
	const std::string_view Codeset = Name.substr(Dot + 1);
	return IsUtf8Codeset(Codeset.substr(0, Codeset.find('@')));
}

std::string_view GetRequestedCharacterLocale(const char* LcAll, const char* LcCtype, const char* Lang)
{
	for (const char* Name : {LcAll, LcCtype, Lang})
	{
		if (Name != nullptr && Name[0] != '\0')
		{
			return Name;
		}
	}
	return std::string_view();
}

char32_t ToAsciiLineDrawing(char32_t Character)
{
	if (Character < BoxDrawingFirst || Character > BoxDrawingLast)
	{
		return Character;
	}
	if (Contains(HorizontalLines, Character))
	{
		return U'-';
	}
	return Contains(VerticalLines, Character) ? U'|' : U'+';
}
