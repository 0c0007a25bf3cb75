// Only the shell's names are included here, as the module that asks for the
// documents folder does; this file also checks that they suffice on their own.
#include "Shell/KnownFolders.h"

#include "Containers/StringConv.h"
#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
	/** The public documents folder as the module asks for it; nullopt when the query fails. */
	std::optional<FString> QueryPublicDocuments()
	{
		PWSTR Path = nullptr;
		const HRESULT Result = SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, &Path);
		std::optional<FString> Folder;
		if (SUCCEEDED(Result))
		{
			EXPECT_NE(Path, nullptr);
			Folder = StringConv::FromWide(Path);
		}
		else
		{
			EXPECT_EQ(Path, nullptr) << "a failed query returns no path";
		}
		CoTaskMemFree(Path);
		return Folder;
	}

	class KnownFolderOverride : public testing::Test
	{
	protected:
		void TearDown() override { FPlatformShell::ClearKnownFolderOverride(); }
	};
}

TEST_F(KnownFolderOverride, AnswersWithTheGivenFolderUnchanged)
{
	const std::u16string Folders[] = {
		u"C:\\Users\\Public\\Documents",
		u"D:\\",
		u"/srv/Jürgen/Документы/共有",
		u"/srv/\U0001F600/astral",
		std::u16string(u"/srv/lone-\xD800-high/") + u'\xDC00' + u"-low",
	};
	for (const std::u16string& Folder : Folders)
	{
		FPlatformShell::SetKnownFolderOverride(FString(Folder));
		EXPECT_EQ(QueryPublicDocuments(), std::optional<FString>(FString(Folder)));
	}
}

TEST_F(KnownFolderOverride, EmptyOrCutShortFolderFailsTheQuery)
{
	for (const std::u16string& Folder : {std::u16string(), std::u16string(u"/srv/a\0b", 8)})
	{
		FPlatformShell::SetKnownFolderOverride(FString(Folder));
		EXPECT_EQ(QueryPublicDocuments(), std::nullopt);
	}
}

TEST(KnownFolders, RefusesANullOutput)
{
	EXPECT_FALSE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, nullptr)));
	CoTaskMemFree(nullptr);
}
