// Whole-file loads and saves on Windows, through the file manager, with and
// without a base folder: the read-only attribute and other programs' handles
// stop a save, the replacement keeps the old file's attributes and access
// control list, leftovers are cleared but live temporary files are not, and
// no link below the base folder is followed. Run under Wine as well.
#include "HAL/FileManager.h"

#include "WindowsFileTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

using namespace WindowsFileTest;

namespace
{
	namespace fs = std::filesystem;

	constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
	const std::u16string_view SharingViolation = u"(error 32)";

	/** The documents folder "Public" in a fresh folder, and the settings file below it. */
	struct FDocuments
	{
		FDocuments()
		{
			fs::create_directories(Config());
			BelowBase.BaseFolder = Root.Path(u"Public");
		}

		fs::path Config() const { return Root.Native() / "Public" / "Orvek" / "Skellan_4.20" / "Config"; }
		fs::path Settings() const { return Config() / "OHeadSetConfig.json"; }
		FString SettingsPath() const { return Root.Path(u"Public/Orvek/Skellan_4.20/Config/OHeadSetConfig.json"); }

		FTempFolder Root;
		FFileAccess BelowBase;
	};

	/** Each test runs once as a plain save and once kept below the documents folder. */
	struct FAccessCase
	{
		const char* Description;
		bool bBelowBase;
	};
	const FAccessCase AccessCases[] = {{"without a base folder", false}, {"below a base folder", true}};

	const FFileAccess& AccessFor(const FAccessCase& Case, const FDocuments& Documents)
	{
		static const FFileAccess Plain;
		return Case.bBelowBase ? Documents.BelowBase : Plain;
	}

	/** A temporary file's name as a save gives it, with fixed digits. */
	fs::path TemporaryBeside(const fs::path& File, const char* Digits)
	{
		return File.parent_path() / (File.filename().string() + "." + Digits + ".tmp");
	}

	const std::string OldContent = "{\"SubjectName\": \"Handmade\"}";
}

TEST(WindowsAtomicSave, AFileMarkedReadOnlyIsNotReplaced)
{
	for (const FAccessCase& Case : AccessCases)
	{
		FDocuments Documents;
		WriteFileBytes(Documents.Settings(), OldContent);
		const FScopedReadOnly ReadOnly(Documents.Settings());
		const DWORD Before = Attributes(Documents.Settings());
		FString Error;
		EXPECT_FALSE(SaveBytes(Documents.SettingsPath(), "{}", &Error, AccessFor(Case, Documents))) << Case.Description;
		EXPECT_TRUE(Contains(Error, Documents.SettingsPath().View())) << Case.Description << ": " << Utf8(Error);
		EXPECT_TRUE(Contains(Error, u"read-only")) << Case.Description << ": " << Utf8(Error);
		EXPECT_EQ(ReadFileBytes(Documents.Settings()), OldContent) << Case.Description;
		EXPECT_EQ(Attributes(Documents.Settings()), Before) << Case.Description;
		EXPECT_EQ(Documents.Root.Names(u"Public/Orvek/Skellan_4.20/Config"), std::vector<std::u16string>{u"OHeadSetConfig.json"})
			<< Case.Description;
	}
}

TEST(WindowsAtomicSave, AFileAnotherProgramHoldsWithoutSharingIsNeitherLoadedNorReplaced)
{
	for (const FAccessCase& Case : AccessCases)
	{
		FDocuments Documents;
		WriteFileBytes(Documents.Settings(), OldContent);
		FHeldFile Locker(Documents.Settings(), GENERIC_READ | GENERIC_WRITE, 0);
		ASSERT_TRUE(Locker.IsValid());
		std::string Loaded = "as it was";
		FString Error;
		EXPECT_FALSE(LoadBytes(Documents.SettingsPath(), Loaded, &Error, AccessFor(Case, Documents))) << Case.Description;
		EXPECT_EQ(Loaded, "as it was") << Case.Description;
		EXPECT_TRUE(Contains(Error, Documents.SettingsPath().View())) << Case.Description << ": " << Utf8(Error);
		EXPECT_TRUE(Contains(Error, SharingViolation)) << Case.Description << ": " << Utf8(Error);

		Error.Empty();
		EXPECT_FALSE(SaveBytes(Documents.SettingsPath(), "{}", &Error, AccessFor(Case, Documents))) << Case.Description;
		EXPECT_TRUE(Contains(Error, Documents.SettingsPath().View())) << Case.Description << ": " << Utf8(Error);
		EXPECT_TRUE(Contains(Error, SharingViolation)) << Case.Description << ": " << Utf8(Error);
		Locker.Close();
		EXPECT_EQ(ReadFileBytes(Documents.Settings()), OldContent) << Case.Description;
		EXPECT_EQ(Documents.Root.Names(u"Public/Orvek/Skellan_4.20/Config"), std::vector<std::u16string>{u"OHeadSetConfig.json"})
			<< Case.Description;
	}
}

TEST(WindowsAtomicSave, TheReplacementKeepsTheOldFilesAttributesAndAccess)
{
	for (const FAccessCase& Case : AccessCases)
	{
		FDocuments Documents;
		WriteFileBytes(Documents.Settings(), OldContent);
		SetAccessControl(Documents.Settings(), OwnerOnlyAccessControl());
		SetAttributes(Documents.Settings(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
		const std::wstring AccessBefore = AccessControlText(Documents.Settings());
		FString Error;
		ASSERT_TRUE(SaveBytes(Documents.SettingsPath(), "{}", &Error, AccessFor(Case, Documents))) << Case.Description << ": " << Utf8(Error);
		EXPECT_EQ(ReadFileBytes(Documents.Settings()), "{}") << Case.Description;
		const DWORD Looked = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY;
		EXPECT_EQ(Attributes(Documents.Settings()) & Looked, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE))
			<< Case.Description;
		EXPECT_EQ(AccessControlText(Documents.Settings()), AccessBefore) << Case.Description;
	}
}

TEST(WindowsAtomicSave, TheCopyOfABrokenFileKeepsItsAttributesAndAccess)
{
	for (const FAccessCase& Case : AccessCases)
	{
		FDocuments Documents;
		const std::string Broken = "{\"SubjectName\": \"Handmade\", \"EnableLogging\": true, }";
		WriteFileBytes(Documents.Settings(), Broken);
		SetAccessControl(Documents.Settings(), OwnerOnlyAccessControl());
		SetAttributes(Documents.Settings(), FILE_ATTRIBUTE_HIDDEN);
		FFileAccess Access = AccessFor(Case, Documents);
		Access.BackupFilename = Documents.SettingsPath() + TEXT(".bak");
		FString Error;
		ASSERT_TRUE(SaveBytes(Documents.SettingsPath(), "{}", &Error, Access)) << Case.Description << ": " << Utf8(Error);
		const fs::path Copy = Documents.Config() / "OHeadSetConfig.json.bak";
		EXPECT_EQ(ReadFileBytes(Copy), Broken) << Case.Description;
		EXPECT_EQ(ReadFileBytes(Documents.Settings()), "{}") << Case.Description;
		EXPECT_EQ(Attributes(Copy) & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN)) << Case.Description;
		EXPECT_EQ(AccessControlText(Copy), AccessControlText(Documents.Settings())) << Case.Description;
		EXPECT_EQ(Documents.Root.Names(u"Public/Orvek/Skellan_4.20/Config"),
			(std::vector<std::u16string>{u"OHeadSetConfig.json", u"OHeadSetConfig.json.bak"}))
			<< Case.Description;
	}
}

TEST(WindowsAtomicSave, AnOldLeftoverIsRemovedAndALiveTemporaryFileIsLeftAlone)
{
	for (const FAccessCase& Case : AccessCases)
	{
		FDocuments Documents;
		WriteFileBytes(Documents.Settings(), OldContent);
		const fs::path Leftover = TemporaryBeside(Documents.Settings(), "00112233445566ff");
		WriteFileBytes(Leftover, "torn");
		AgeFile(Leftover, 2 * IPlatformFolder::AbandonedAfterSeconds);
		// Another editor still writing its temporary file holds it without
		// sharing; it has not written for long, but its handle is open.
		const fs::path Live = TemporaryBeside(Documents.Settings(), "aabbccddeeff0011");
		WriteFileBytes(Live, "being written");
		AgeFile(Live, 2 * IPlatformFolder::AbandonedAfterSeconds);
		std::optional<FHeldFile> Writer;
		Writer.emplace(Live, GENERIC_WRITE, 0);
		ASSERT_TRUE(Writer->IsValid());

		FString Error;
		ASSERT_TRUE(SaveBytes(Documents.SettingsPath(), "{}", &Error, AccessFor(Case, Documents))) << Case.Description << ": " << Utf8(Error);
		Writer.reset();
		EXPECT_EQ(ReadFileBytes(Documents.Settings()), "{}") << Case.Description;
		EXPECT_FALSE(fs::exists(Leftover)) << Case.Description;
		EXPECT_EQ(ReadFileBytes(Live), "being written") << Case.Description;
	}
}

TEST(WindowsAtomicSave, ALinkBelowTheBaseFolderIsRefusedNamingIt)
{
	struct FCase
	{
		const char* Description;
		const char16_t* Link;
		bool bFolder;
	};
	const FCase Cases[] = {
		{"a link in place of the first folder", u"Public/Orvek", true},
		{"a link in place of the last folder", u"Public/Orvek/Skellan_4.20/Config", true},
		{"a link in place of the file", u"Public/Orvek/Skellan_4.20/Config/OHeadSetConfig.json", false},
	};
	for (const FCase& Case : Cases)
	{
		FDocuments Documents;
		const fs::path Link = ToNative(Documents.Root.Path(Case.Link));
		fs::create_directories(Documents.Root.Native() / "Elsewhere" / "Skellan_4.20" / "Config");
		const fs::path Target = Case.bFolder ? Documents.Root.Native() / "Elsewhere" : Documents.Root.Native() / "Elsewhere" / "victim.json";
		WriteFileBytes(Documents.Root.Native() / "Elsewhere" / "victim.json", "precious");
		fs::remove_all(Link);
		const FTestLink Planted(Target, Link, Case.bFolder);
		if (!Planted.WhyNotMade().empty())
		{
			GTEST_SKIP() << Planted.WhyNotMade();
		}

		FString Error;
		EXPECT_FALSE(SaveBytes(Documents.SettingsPath(), "{}", &Error, Documents.BelowBase)) << Case.Description;
		EXPECT_TRUE(Contains(Error, Documents.Root.Path(Case.Link).View())) << Case.Description << ": " << Utf8(Error);
		EXPECT_TRUE(Contains(Error, u"link")) << Case.Description << ": " << Utf8(Error);
		std::string Loaded;
		Error.Empty();
		EXPECT_FALSE(LoadBytes(Documents.SettingsPath(), Loaded, &Error, Documents.BelowBase)) << Case.Description;
		EXPECT_TRUE(Contains(Error, Documents.Root.Path(Case.Link).View())) << Case.Description << ": " << Utf8(Error);
		EXPECT_EQ(ReadFileBytes(Documents.Root.Native() / "Elsewhere" / "victim.json"), "precious") << Case.Description;
		EXPECT_EQ(Documents.Root.Names(u"Elsewhere"), (std::vector<std::u16string>{u"Skellan_4.20", u"victim.json"})) << Case.Description;
		EXPECT_EQ(Documents.Root.Names(u"Elsewhere/Skellan_4.20/Config"), std::vector<std::u16string>{}) << Case.Description;
	}
}
