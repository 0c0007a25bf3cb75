// Loads and saves within a base folder: the path must lie below it, it is
// never created, and below it no link is followed.
#include "HAL/FileManager.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

namespace
{
	namespace fs = std::filesystem;

	const char16_t* const ConfigBelowBase = u"Orvek/Skellan_4.20/Config/OHeadSetConfig.json";

	/** A fresh folder holding the documents folder "Public", with the settings file's path below it. */
	struct FDocuments
	{
		FDocuments()
		{
			fs::create_directory(Folder.Native() / "Public");
			Access.BaseFolder = Folder.Path(u"Public");
		}

		FString Below(std::u16string_view Relative) const { return Folder.Path(std::u16string(u"Public/") + std::u16string(Relative)); }

		FTempFolder Folder;
		FFileAccess Access;
	};

	bool MakeLink(const fs::path& Target, const fs::path& Link, bool bFolder)
	{
		std::error_code Error;
		if (bFolder)
		{
			fs::create_directory_symlink(Target, Link, Error);
		}
		else
		{
			fs::create_symlink(Target, Link, Error);
		}
		return !Error;
	}

	/** Every name below Root, for telling that nothing was made there. */
	std::vector<fs::path> Tree(const fs::path& Root)
	{
		std::vector<fs::path> Entries;
		for (const auto& Entry : fs::recursive_directory_iterator(Root))
		{
			Entries.push_back(Entry.path());
		}
		std::sort(Entries.begin(), Entries.end());
		return Entries;
	}
}

TEST(BaseFolder, SaveCreatesTheFoldersBelowItAndLoadReadsBack)
{
	FDocuments Documents;
	const FString Path = Documents.Below(ConfigBelowBase);
	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error, Documents.Access)) << Utf8(Error);
	std::string Loaded;
	ASSERT_TRUE(LoadBytes(Path, Loaded, &Error, Documents.Access)) << Utf8(Error);
	EXPECT_EQ(Loaded, "{}");
	EXPECT_EQ(Documents.Folder.Names(u"Public/Orvek/Skellan_4.20/Config"), std::vector<std::u16string>{u"OHeadSetConfig.json"});

	// A separator closing the base folder's text changes nothing.
	FFileAccess Closed = Documents.Access;
	Closed.BaseFolder += TEXT("/");
	ASSERT_TRUE(SaveBytes(Path, "{\"a\": 1}", &Error, Closed)) << Utf8(Error);
	ASSERT_TRUE(LoadBytes(Path, Loaded, &Error, Closed)) << Utf8(Error);
	EXPECT_EQ(Loaded, "{\"a\": 1}");
}

TEST(BaseFolder, AMissingBaseFolderIsNeverCreated)
{
	struct FCase
	{
		const char* Description;
		const char16_t* Base;
		bool bBaseIsAFile;
	};
	const FCase Cases[] = {
		{"the base folder is missing", u"Public", false},
		{"the base folder and its parent are missing", u"nonexistent/Public", false},
		{"a file stands where the base folder should be", u"Public", true},
	};
	for (const FCase& Case : Cases)
	{
		FTempFolder Folder;
		FFileAccess Access;
		Access.BaseFolder = Folder.Path(Case.Base);
		if (Case.bBaseIsAFile)
		{
			WriteFileBytes(ToNative(Access.BaseFolder), "a file");
		}
		const FString Path = Access.BaseFolder + TEXT("/") + FString(ConfigBelowBase);
		const std::vector<fs::path> Before = Tree(Folder.Native());

		FString Error;
		EXPECT_FALSE(SaveBytes(Path, "{}", &Error, Access)) << Case.Description;
		EXPECT_TRUE(Contains(Error, Access.BaseFolder.View())) << Case.Description << ": " << Utf8(Error);
		std::string Loaded = "kept";
		EXPECT_FALSE(LoadBytes(Path, Loaded, &Error, Access)) << Case.Description;
		EXPECT_EQ(Loaded, "kept");
		EXPECT_TRUE(Contains(Error, Access.BaseFolder.View())) << Case.Description << ": " << Utf8(Error);
		EXPECT_EQ(Tree(Folder.Native()), Before) << Case.Description;
	}
}

TEST(BaseFolder, PathsThatDoNotLieBelowItAreRefused)
{
	struct FCase
	{
		const char* Description;
		const char16_t* Relative;
	};
	const FCase Cases[] = {
		{"a path outside it", u"Elsewhere/OHeadSetConfig.json"},
		{"a sibling whose name starts alike", u"PublicCopy/OHeadSetConfig.json"},
		{"the base folder itself", u"Public"},
		{"the base folder with a separator", u"Public/"},
		{"an empty name", u"Public/Orvek//OHeadSetConfig.json"},
		{"a \".\" name", u"Public/./OHeadSetConfig.json"},
		{"a \"..\" name that stays inside", u"Public/Orvek/../OHeadSetConfig.json"},
		{"a \"..\" name that leads out", u"Public/../Elsewhere/OHeadSetConfig.json"},
		{"a \"..\" name at the end", u"Public/Orvek/.."},
		{"a path naming a folder", u"Public/Orvek/"},
	};
	for (const FCase& Case : Cases)
	{
		FDocuments Documents;
		fs::create_directory(Documents.Folder.Native() / "Public" / "Orvek");
		fs::create_directory(Documents.Folder.Native() / "Elsewhere");
		fs::create_directory(Documents.Folder.Native() / "PublicCopy");
		// Joined as text: a path type would tidy the names up.
		const FString Path = Documents.Folder.Path() + TEXT("/") + FString(Case.Relative);
		const std::vector<fs::path> Before = Tree(Documents.Folder.Native());

		FString Error;
		EXPECT_FALSE(SaveBytes(Path, "{}", &Error, Documents.Access)) << Case.Description;
		EXPECT_TRUE(Contains(Error, Path.View())) << Case.Description << ": " << Utf8(Error);
		std::string Loaded = "kept";
		Error.Empty();
		EXPECT_FALSE(LoadBytes(Path, Loaded, &Error, Documents.Access)) << Case.Description;
		EXPECT_TRUE(Contains(Error, Path.View())) << Case.Description << ": " << Utf8(Error);
		EXPECT_EQ(Tree(Documents.Folder.Native()), Before) << Case.Description;
	}
}

TEST(BaseFolder, ALinkBelowItFailsTheLoadAndTheSaveNamingIt)
{
	struct FCase
	{
		const char* Description;
		const char16_t* Link;
		bool bFolder;
		bool bDangling;
	};
	const FCase Cases[] = {
		{"a link at the maker's folder", u"Orvek", true, false},
		{"a link at the plugin's folder", u"Orvek/Skellan_4.20", true, false},
		{"a link at the config folder", u"Orvek/Skellan_4.20/Config", true, false},
		{"a link at the file", ConfigBelowBase, false, false},
		{"a dangling link at the file", ConfigBelowBase, false, true},
	};
	for (const FCase& Case : Cases)
	{
		FDocuments Documents;
		// The link's target holds a whole settings tree of its own.
		const fs::path Elsewhere = Documents.Folder.Native() / "Elsewhere";
		fs::create_directories(Elsewhere / "Orvek/Skellan_4.20/Config");
		WriteFileBytes(Elsewhere / "Orvek/Skellan_4.20/Config/OHeadSetConfig.json", "target");
		const fs::path Link = ToNative(Documents.Below(Case.Link));
		fs::create_directories(Link.parent_path());
		const fs::path Target = Case.bDangling ? Elsewhere / "missing.json" : Elsewhere / fs::path(std::u16string(Case.Link));
		if (!MakeLink(Target, Link, Case.bFolder))
		{
			GTEST_SKIP() << "links cannot be made here";
		}
		const std::vector<fs::path> Before = Tree(Documents.Folder.Native());
		const FString LinkPath = Documents.Below(Case.Link);
		const FString Path = Documents.Below(ConfigBelowBase);

		FString Error;
		std::string Loaded = "kept";
		EXPECT_FALSE(LoadBytes(Path, Loaded, &Error, Documents.Access)) << Case.Description;
		EXPECT_EQ(Loaded, "kept");
		EXPECT_TRUE(Contains(Error, LinkPath.View()) && Contains(Error, u"link")) << Case.Description << ": " << Utf8(Error);
		Error.Empty();
		EXPECT_FALSE(SaveBytes(Path, "{}", &Error, Documents.Access)) << Case.Description;
		EXPECT_TRUE(Contains(Error, LinkPath.View()) && Contains(Error, u"link")) << Case.Description << ": " << Utf8(Error);

		EXPECT_EQ(ReadFileBytes(Elsewhere / "Orvek/Skellan_4.20/Config/OHeadSetConfig.json"), "target") << Case.Description;
		EXPECT_EQ(Tree(Documents.Folder.Native()), Before) << Case.Description;
		EXPECT_TRUE(fs::is_symlink(Link)) << Case.Description;
	}
}

TEST(BaseFolder, TheBaseFolderItselfMayBeALink)
{
	FTempFolder Folder;
	fs::create_directory(Folder.Native() / "RealPublic");
	if (!MakeLink(Folder.Native() / "RealPublic", Folder.Native() / "Public", true))
	{
		GTEST_SKIP() << "links cannot be made here";
	}
	FFileAccess Access;
	Access.BaseFolder = Folder.Path(u"Public");
	const FString Path = Access.BaseFolder + TEXT("/") + FString(ConfigBelowBase);

	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error, Access)) << Utf8(Error);
	std::string Loaded;
	ASSERT_TRUE(LoadBytes(Path, Loaded, &Error, Access)) << Utf8(Error);
	EXPECT_EQ(Loaded, "{}");
	EXPECT_EQ(ReadFileBytes(Folder.Native() / "RealPublic" / fs::path(std::u16string(ConfigBelowBase))), "{}");
}

TEST(BaseFolder, SomethingOtherThanAFolderOnTheWayFailsNamingIt)
{
	FDocuments Documents;
	fs::create_directory(Documents.Folder.Native() / "Public" / "Orvek");
	WriteFileBytes(Documents.Folder.Native() / "Public" / "Orvek" / "Skellan_4.20", "a file");
	const FString Blocker = Documents.Below(u"Orvek/Skellan_4.20");
	const FString Path = Documents.Below(ConfigBelowBase);

	FString Error;
	EXPECT_FALSE(SaveBytes(Path, "{}", &Error, Documents.Access));
	EXPECT_TRUE(Contains(Error, Blocker.View())) << Utf8(Error);
	std::string Loaded;
	EXPECT_FALSE(LoadBytes(Path, Loaded, &Error, Documents.Access));
	EXPECT_TRUE(Contains(Error, Blocker.View())) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(ToNative(Blocker)), "a file");
}
