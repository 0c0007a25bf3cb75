// Where the shell's folders come from on systems without it: the desktop's
// environment, whose paths are bytes.
#include "Shell/KnownFolders.h"

#include "Containers/StringConv.h"
#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace std::string_literals;

namespace
{
	/** Sets or unsets variables for one test and puts the old values back. */
	class FScopedEnvironment
	{
	public:
		~FScopedEnvironment()
		{
			for (const auto& [Name, Value] : Saved)
			{
				Value ? ::setenv(Name.c_str(), Value->c_str(), 1) : ::unsetenv(Name.c_str());
			}
		}

		void Set(const std::string& Name, const std::optional<std::string>& Value)
		{
			const char* Old = std::getenv(Name.c_str());
			Saved.emplace_back(Name, Old ? std::optional<std::string>(Old) : std::nullopt);
			Value ? ::setenv(Name.c_str(), Value->c_str(), 1) : ::unsetenv(Name.c_str());
		}

	private:
		std::vector<std::pair<std::string, std::optional<std::string>>> Saved;
	};

	std::optional<FString> QueryPublicDocuments()
	{
		PWSTR Path = nullptr;
		const HRESULT Result = SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, &Path);
		std::optional<FString> Folder;
		if (SUCCEEDED(Result))
		{
			Folder = StringConv::FromWide(Path);
		}
		else
		{
			EXPECT_EQ(Path, nullptr);
		}
		CoTaskMemFree(Path);
		return Folder;
	}
}

TEST(PosixKnownFolders, PublicShareThenHomeThenFailure)
{
	struct FCase
	{
		std::optional<std::string> PublicShare;
		std::optional<std::string> Home;
		std::optional<std::u16string> Expected;
	};
	const FCase Cases[] = {
		{"/srv/share", "/home/ana", u"/srv/share"},
		{"/srv/share//", "/home/ana", u"/srv/share"},
		{"/", "/home/ana", u"/"},
		{std::nullopt, "/home/ana", u"/home/ana/Public"},
		{std::nullopt, "/home/ana/", u"/home/ana/Public"},
		{std::nullopt, "/", u"/Public"},
		// Empty or relative values name no folder and are passed over.
		{"", "/home/ana", u"/home/ana/Public"},
		{"share", "/home/ana", u"/home/ana/Public"},
		{std::nullopt, std::nullopt, std::nullopt},
		{std::nullopt, "", std::nullopt},
		{"relative", "relative", std::nullopt},
		// Bytes are decoded as UTF-8, characters beyond the BMP and encoded lone surrogates included.
		{"/srv/J\xC3\xBCrgen/\xE5\x85\xB1\xE6\x9C\x89", std::nullopt, u"/srv/Jürgen/共有"},
		{"/srv/\xF0\x9F\x98\x80", std::nullopt, u"/srv/\U0001F600"},
		{"/srv/\xED\xA0\x80-lone", std::nullopt, u"/srv/\xD800-lone"},
		// Bytes that no text encodes back to would name another folder.
		{"/srv/\xFF\xFE", "/home/ana", std::nullopt},
	};
	for (const FCase& Case : Cases)
	{
		FScopedEnvironment Environment;
		Environment.Set("XDG_PUBLICSHARE_DIR", Case.PublicShare);
		Environment.Set("HOME", Case.Home);
		const std::optional<FString> Expected = Case.Expected ? std::optional<FString>(FString(*Case.Expected)) : std::nullopt;
		EXPECT_EQ(QueryPublicDocuments(), Expected) << Case.PublicShare.value_or("(unset)") << " " << Case.Home.value_or("(unset)");
	}
}

TEST(PosixKnownFolders, TheReturnedPathNamesTheSameBytesAgain)
{
	const std::string Bytes = "/srv/\xED\xA0\x80/\xF0\x9F\x98\x80/J\xC3\xBCrgen";
	FScopedEnvironment Environment;
	Environment.Set("XDG_PUBLICSHARE_DIR", Bytes);
	const std::optional<FString> Folder = QueryPublicDocuments();
	ASSERT_TRUE(Folder.has_value());
	EXPECT_EQ(StringConv::ToUtf8(*Folder), Bytes);
}

TEST(PosixKnownFolders, OverrideComesFirstAndClearingItAsksTheSystemAgain)
{
	FScopedEnvironment Environment;
	Environment.Set("XDG_PUBLICSHARE_DIR", "/srv/share"s);
	FPlatformShell::SetKnownFolderOverride(FString(TEXT("/opt/documents")));
	EXPECT_EQ(QueryPublicDocuments(), std::optional<FString>(FString(TEXT("/opt/documents"))));
	FPlatformShell::ClearKnownFolderOverride();
	EXPECT_EQ(QueryPublicDocuments(), std::optional<FString>(FString(TEXT("/srv/share"))));
}

TEST(PosixKnownFolders, OtherFoldersAreUnknown)
{
	constexpr KNOWNFOLDERID Other = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
	PWSTR Path = nullptr;
	EXPECT_FALSE(SUCCEEDED(SHGetKnownFolderPath(Other, 0, nullptr, &Path)));
	EXPECT_EQ(Path, nullptr);
}
