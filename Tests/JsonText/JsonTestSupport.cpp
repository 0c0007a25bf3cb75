#include "JsonTestSupport.h"

#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <clocale>

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
