#include "JsonTestSupport.h"

#include "Containers/StringConv.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <clocale>
#include <cstdio>

void PrintTo(const FString& Text, std::ostream* Stream)
{
	std::string Shown = "\"";
	for (const TCHAR Unit : Text.View())
	{
		if (Unit < 0x20)
		{
			char Escape[8];
			std::snprintf(Escape, sizeof(Escape), "\\x%02x", static_cast<unsigned>(Unit));
			Shown += Escape;
		}
		else
		{
			Shown += StringConv::ToUtf8(std::u16string_view(&Unit, 1));
		}
	}
	*Stream << Shown << "\"";
}

std::vector<JsonTest::FSurroundings> JsonTest::AtEveryWordPosition()
{
	constexpr SIZE_T Units = 9;
	std::vector<FSurroundings> All;
	for (SIZE_T Offset = 0; Offset <= Units; ++Offset)
	{
		All.push_back(FSurroundings{std::u16string(Offset, u'\u00e9'), std::u16string(Units - Offset, u'z')});
	}
	return All;
}

FString JsonTest::CrLfLines(std::initializer_list<const TCHAR*> Lines)
{
	FString Text;
	bool bFirst = true;
	for (const TCHAR* Line : Lines)
	{
		if (!bFirst)
		{
			Text += TEXT("\r\n");
		}
		Text += Line;
		bFirst = false;
	}
	return Text;
}

FString JsonTest::Write(const TSharedRef<FJsonObject>& Object, int32 InitialIndent)
{
	FString Text;
	JsonSerializer::WriteObject(Object, StringJsonWriter::Create(&Text, InitialIndent));
	return Text;
}

JsonTest::FDecimalCommaLocale::FDecimalCommaLocale()
{
	const char* Current = std::setlocale(LC_ALL, nullptr);
	Saved = Current != nullptr ? Current : "C";
	for (const char* Name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German_Germany.1252"})
	{
		if (std::setlocale(LC_ALL, Name) != nullptr)
		{
			bActive = true;
			return;
		}
	}
}

JsonTest::FDecimalCommaLocale::~FDecimalCommaLocale()
{
	std::setlocale(LC_ALL, Saved.c_str());
}
