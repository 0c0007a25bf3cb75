#include "EngineTextPrinters.h"

#include "Containers/StringConv.h"

#include <cstdio>

std::string Utf8(const FString& Text)
{
	return StringConv::ToUtf8(Text);
}

void PrintTo(const FString& Text, std::ostream* Stream)
{
	// Runs of printable text convert whole, so that surrogate pairs stay pairs.
	const std::u16string_view Units = Text.View();
	std::string Shown = "\"";
	SIZE_T RunStart = 0;
	for (SIZE_T Index = 0; Index <= Units.size(); ++Index)
	{
		if (Index < Units.size() && Units[Index] >= 0x20)
		{
			continue;
		}
		Shown += StringConv::ToUtf8(Units.substr(RunStart, Index - RunStart));
		if (Index < Units.size())
		{
			char Escape[8];
			std::snprintf(Escape, sizeof(Escape), "\\x%02x", static_cast<unsigned>(Units[Index]));
			Shown += Escape;
		}
		RunStart = Index + 1;
	}
	*Stream << Shown << '"';
}

void PrintTo(const FName& Name, std::ostream* Stream)
{
	*Stream << Utf8(Name.ToString());
}

void PrintTo(const FText& Text, std::ostream* Stream)
{
	PrintTo(Text.ToString(), Stream);
}
