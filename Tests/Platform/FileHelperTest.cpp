#include "Misc/FileHelper.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace
{
	bool Save(const FString& Text, const FString& Path, uint32 WriteFlags, FString* OutError)
	{
		return FFileHelper::SaveStringToFile(
			Text, *Path, FFileHelper::EEncodingOptions::AutoDetect, &IFileManager::Get(), WriteFlags, FFileAccess(), OutError);
	}
}

TEST(FileHelper, SaveWritesSingleBytesForAsciiAndUtf16WithMarkOtherwise)
{
	struct FCase { std::u16string Text; std::string Bytes; };
	const FCase Cases[] = {
		{u"{\n\t\"SubjectName\": \"HMD1\"\n}", "{\n\t\"SubjectName\": \"HMD1\"\n}"},
		{u"\x7F", "\x7F"},
		{u"", ""},
		{u"\x80", "\xFF\xFE\x80\x00"s},
		{u"Jä", "\xFF\xFE" "J\x00\xE4\x00"s},
		{u"日", "\xFF\xFE\xE5\x65"},
		{u"\U0001F600", "\xFF\xFE\x3D\xD8\x00\xDE"s},
		{std::u16string(1, u'\xD800'), "\xFF\xFE\x00\xD8"s},
	};
	for (const FCase& Case : Cases)
	{
		FTempFolder Folder;
		const FString Path = Folder.Path(u"OHeadSetConfig.json");
		FString Error;
		ASSERT_TRUE(Save(FString(Case.Text), Path, 0, &Error)) << Utf8(Error);
		EXPECT_EQ(ReadFileBytes(ToNative(Path)), Case.Bytes);

		FString Loaded(TEXT("stale"));
		ASSERT_TRUE(FFileHelper::LoadFileToString(Loaded, *Path));
		EXPECT_EQ(Loaded, FString(Case.Text)) << "a saved text loads back unchanged";
	}
}

TEST(FileHelper, LoadRecognisesEachMarkAndFallsBackToOneCharacterPerByte)
{
	struct FCase { std::string Bytes; std::u16string Text; };
	const FCase Cases[] = {
		{"\xFF\xFE" "A\x00\xE4\x00"s, u"Aä"},
		{"\xFE\xFF\x00" "A\x00\xE4"s, u"Aä"},
		{"\xEF\xBB\xBF" "A\xC3\xA4", u"Aä"},
		{"A\xC3\xA4", u"Aä"},
		{"{\"SubjectName\": \"HMD1\"}", u"{\"SubjectName\": \"HMD1\"}"},
		// Not valid UTF-8: every byte is one character.
		{"A\xE4", u"Aä"},
		{"\xC3", u"Ã"},
		{"", u""},
	};
	for (const FCase& Case : Cases)
	{
		FTempFolder Folder;
		WriteFileBytes(Folder.Native() / "file.json", Case.Bytes);
		FString Loaded(TEXT("stale"));
		EXPECT_TRUE(FFileHelper::LoadFileToString(Loaded, *Folder.Path(u"file.json")));
		EXPECT_EQ(Loaded, FString(Case.Text));
	}
}

TEST(FileHelper, FailedLoadLeavesTheTextAlone)
{
	FTempFolder Folder;
	std::filesystem::create_directory(Folder.Native() / "folder");
	for (const char16_t* Name : {u"missing.json", u"folder"})
	{
		FString Loaded(TEXT("kept"));
		EXPECT_FALSE(FFileHelper::LoadFileToString(Loaded, *Folder.Path(Name)));
		EXPECT_EQ(Loaded, FString(TEXT("kept")));
	}
}

TEST(FileHelper, FailedSaveTellsWhyAndKeepsTheOldFile)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"file.json");
	WriteFileBytes(ToNative(Path), "old");
	FString Error;
	{
		FScopedWriteFault Fault(EFileWriteFault::Write);
		EXPECT_FALSE(Save(FString(TEXT("new")), Path, 0, &Error));
	}
	EXPECT_NE(Error.View().find(Path.View()), std::u16string_view::npos) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(ToNative(Path)), "old");

	FString Untouched(TEXT("untouched"));
	EXPECT_TRUE(Save(FString(TEXT("new")), Path, 0, &Untouched));
	EXPECT_EQ(Untouched, FString(TEXT("untouched"))) << "a success leaves the error text alone";
	EXPECT_FALSE(Save(FString(TEXT("newer")), Folder.Path(u"file.json/"), 0, nullptr)) << "no error text is needed";
}

TEST(FileHelper, SaveRefusesWriteFlagsItDoesNotKnow)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"file.json");
	WriteFileBytes(ToNative(Path), "old");
	FString Error;
	EXPECT_FALSE(Save(FString(TEXT("new")), Path, 0x1, &Error));
	EXPECT_NE(Error.View().find(u"write flags"), std::u16string_view::npos) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(ToNative(Path)), "old");
}

TEST(FileHelper, LoadAndSaveKeepToTheBaseFolder)
{
	FTempFolder Folder;
	FFileAccess Access;
	Access.BaseFolder = Folder.Path(u"Public");
	const FString Path = Folder.Path(u"Public/Orvek/file.json");

	FString Error;
	EXPECT_FALSE(FFileHelper::SaveStringToFile(FString(TEXT("text")), *Path, FFileHelper::EEncodingOptions::AutoDetect,
		&IFileManager::Get(), 0, Access, &Error));
	EXPECT_NE(Error.View().find(Access.BaseFolder.View()), std::u16string_view::npos) << Utf8(Error);
	EXPECT_TRUE(Folder.Names().empty()) << "the missing base folder is not created";

	std::filesystem::create_directory(ToNative(Access.BaseFolder));
	ASSERT_TRUE(FFileHelper::SaveStringToFile(FString(TEXT("text")), *Path, FFileHelper::EEncodingOptions::AutoDetect,
		&IFileManager::Get(), 0, Access, &Error))
		<< Utf8(Error);
	FString Loaded;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Loaded, *Path, FFileHelper::EHashOptions::None, Access, &Error)) << Utf8(Error);
	EXPECT_EQ(Loaded, FString(TEXT("text")));

	Loaded = FString(TEXT("kept"));
	EXPECT_FALSE(FFileHelper::LoadFileToString(Loaded, *Folder.Path(u"Public/Orvek/missing.json"), FFileHelper::EHashOptions::None,
		Access, &Error));
	EXPECT_EQ(Loaded, FString(TEXT("kept")));
	EXPECT_NE(Error.View().find(u"missing.json"), std::u16string_view::npos) << Utf8(Error);
}
