#include "Misc/Paths.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
	struct FJoinCase
	{
		std::vector<const TCHAR*> Parts;
		const TCHAR* Expected;
	};

	const TCHAR* const ConfigParts[] = {TEXT("Orvek"), TEXT("Skellan_4.20"), TEXT("Config"), TEXT("OHeadSetConfig.json")};

	std::vector<const TCHAR*> ConfigPathBelow(const TCHAR* Documents)
	{
		std::vector<const TCHAR*> Parts{Documents};
		Parts.insert(Parts.end(), std::begin(ConfigParts), std::end(ConfigParts));
		return Parts;
	}
}

TEST(Paths, CombineInternalJoinsWithOneSlashUnlessASeparatorIsThere)
{
	const FJoinCase Cases[] = {
		{ConfigPathBelow(TEXT("C:\\Users\\Public\\Documents")), TEXT("C:\\Users\\Public\\Documents/Orvek/Skellan_4.20/Config/OHeadSetConfig.json")},
		{ConfigPathBelow(TEXT("D:\\")), TEXT("D:\\Orvek/Skellan_4.20/Config/OHeadSetConfig.json")},
		{ConfigPathBelow(TEXT("/home/ana/Public/")), TEXT("/home/ana/Public/Orvek/Skellan_4.20/Config/OHeadSetConfig.json")},
		{ConfigPathBelow(TEXT("C:\\Benutzer\\Jürgen\\Öffentlich")), TEXT("C:\\Benutzer\\Jürgen\\Öffentlich/Orvek/Skellan_4.20/Config/OHeadSetConfig.json")},
		{ConfigPathBelow(TEXT("/srv/Документы/共有")), TEXT("/srv/Документы/共有/Orvek/Skellan_4.20/Config/OHeadSetConfig.json")},
		{ConfigPathBelow(TEXT("/srv/\U0001F600")), TEXT("/srv/\U0001F600/Orvek/Skellan_4.20/Config/OHeadSetConfig.json")},
		// Separators are neither converted nor collapsed.
		{{TEXT("a\\"), TEXT("b/"), TEXT("c")}, TEXT("a\\b/c")},
		{{TEXT("a"), TEXT("/b"), TEXT("\\c")}, TEXT("a//b/\\c")},
		{{TEXT("a"), TEXT(""), TEXT("b")}, TEXT("a/b")},
		{{TEXT("only")}, TEXT("only")},
		{{}, TEXT("")},
		// An empty start stays relative instead of becoming a path at the root.
		{{TEXT(""), TEXT("Orvek"), TEXT("Config")}, TEXT("Orvek/Config")},
		{{nullptr, TEXT("Orvek")}, TEXT("Orvek")},
	};
	for (const FJoinCase& Case : Cases)
	{
		FString Joined(TEXT("left over"));
		std::vector<const TCHAR*> Parts = Case.Parts;
		FPaths::CombineInternal(Joined, Parts.data(), static_cast<int32>(Parts.size()));
		EXPECT_EQ(Joined, FString(Case.Expected));
	}
}

TEST(Paths, CombineTakesStringsAndTextAlike)
{
	const FString Documents(TEXT("D:\\"));
	EXPECT_EQ(FPaths::Combine(Documents, TEXT("Orvek"), FString(TEXT("Config"))), FString(TEXT("D:\\Orvek/Config")));
}

TEST(Paths, FileExistsOnlyForARegularFile)
{
	FTempFolder Folder;
	WriteFileBytes(Folder.Native() / "file.json", "{}");
	std::filesystem::create_directory(Folder.Native() / "folder");
	WriteFileBytes(ToNative(Folder.Path(u"Jürgen ☃ \U0001F600.json")), "{}");

	struct FCase { FString Path; bool bExpected; };
	const FCase Cases[] = {
		{Folder.Path(u"file.json"), true},
		{Folder.Path(u"Jürgen ☃ \U0001F600.json"), true},
		{Folder.Path(u"folder"), false},
		{Folder.Path(u"missing.json"), false},
		{Folder.Path(u"file.json/"), false},
		{FString(), false},
		// A NUL would cut the path short at "file.json" if it reached the system.
		{Folder.Path(u"file.json") + FString(std::u16string(u"\0.bak", 5)), false},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(FPaths::FileExists(Case.Path), Case.bExpected) << ToNative(Case.Path);
	}
}
