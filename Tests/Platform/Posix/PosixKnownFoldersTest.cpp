// Where the shell's folders come from on systems without it: the desktop's
// environment, whose paths are bytes.
#include "Shell/KnownFolders.h"

#include "Containers/StringConv.h"
#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace
{
	// The system's codes for a missing folder and for a path that names none.
	constexpr DWORD FileNotFoundError = 2;
	constexpr DWORD PathNotFoundError = 3;

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

	struct FQueryAnswer
	{
		HRESULT Result = S_OK;
		/** The folder, as the bytes that name it; empty when the query failed. */
		std::string Folder;
	};

	FQueryAnswer QueryPublicDocuments()
	{
		PWSTR Path = nullptr;
		FQueryAnswer Answer;
		Answer.Result = SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, &Path);
		if (SUCCEEDED(Answer.Result))
		{
			Answer.Folder = StringConv::ToUtf8(StringConv::FromWide(Path));
		}
		else
		{
			EXPECT_EQ(Path, nullptr);
		}
		CoTaskMemFree(Path);
		return Answer;
	}

	/** Folders, a link to one and files to point the environment at, made below a fresh folder. */
	class PosixPublicDocuments : public testing::Test
	{
	protected:
		void SetUp() override
		{
			for (const char* Folder : {"share", "home/ana/Public", "home/bo", "home/cy", "J\xC3\xBCrgen/\xE5\x85\xB1\xE6\x9C\x89", "\xF0\x9F\x98\x80",
					 "\xED\xA0\x80-lone", "\xFF\xFE"})
			{
				std::filesystem::create_directories(Root.Native() / Folder);
			}
			std::filesystem::create_directory_symlink(Root.Native() / "share", Root.Native() / "share-link");
			WriteFileBytes(Root.Native() / "file", "a file");
			WriteFileBytes(Root.Native() / "home/cy/Public", "a file");
		}

		/** The bytes of Relative below the fresh folder. */
		std::string In(const std::string& Relative) const { return Root.Native().string() + "/" + Relative; }

		FTempFolder Root;
	};
}

TEST_F(PosixPublicDocuments, PublicShareThenHomeOnlyWhenTheFolderIsThere)
{
	const HRESULT Missing = HRESULT_FROM_WIN32(FileNotFoundError);
	const HRESULT Unavailable = HRESULT_FROM_WIN32(PathNotFoundError);
	const HRESULT NotUtf8 = HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
	// The machine's own /Public decides what HOME=/ answers; test machines have none.
	const bool bRootPublic = std::filesystem::is_directory("/Public");
	struct FCase
	{
		const char* Description;
		std::optional<std::string> PublicShare;
		std::optional<std::string> Home;
		HRESULT Result;
		std::string Folder;
	};
	const FCase Cases[] = {
		{"the public share folder", In("share"), In("home/ana"), S_OK, In("share")},
		{"trailing separators dropped", In("share//"), In("home/ana"), S_OK, In("share")},
		{"a link to a folder is kept as it is", In("share-link"), std::nullopt, S_OK, In("share-link")},
		{"Public in the home folder", std::nullopt, In("home/ana"), S_OK, In("home/ana/Public")},
		{"a home with a trailing separator", std::nullopt, In("home/ana/"), S_OK, In("home/ana/Public")},
		{"an empty public share is passed over", "", In("home/ana"), S_OK, In("home/ana/Public")},
		{"a relative public share is passed over", "share", In("home/ana"), S_OK, In("home/ana/Public")},
		{"non-ASCII UTF-8", In("J\xC3\xBCrgen/\xE5\x85\xB1\xE6\x9C\x89"), std::nullopt, S_OK, In("J\xC3\xBCrgen/\xE5\x85\xB1\xE6\x9C\x89")},
		{"beyond the BMP", In("\xF0\x9F\x98\x80"), std::nullopt, S_OK, In("\xF0\x9F\x98\x80")},
		{"an encoded lone surrogate comes back as the same bytes", In("\xED\xA0\x80-lone"), std::nullopt, S_OK, In("\xED\xA0\x80-lone")},
		{"neither variable set", std::nullopt, std::nullopt, Unavailable, ""},
		{"an empty home", std::nullopt, "", Unavailable, ""},
		{"both relative", "relative", "relative", Unavailable, ""},
		{"a system account's home that does not exist", std::nullopt, "/nonexistent", Missing, ""},
		{"a home without Public", std::nullopt, In("home/bo"), Missing, ""},
		{"a home whose Public is a file", std::nullopt, In("home/cy"), Unavailable, ""},
		{"the root home's /Public", std::nullopt, "/", bRootPublic ? S_OK : Missing, bRootPublic ? "/Public" : ""},
		{"the root as the public share, the home not asked", "/", In("home/ana"), Unavailable, ""},
		{"the root written twice", "//", In("home/ana"), Unavailable, ""},
		{"a missing public share, the home not asked", In("missing"), In("home/ana"), Missing, ""},
		{"a file as the public share", In("file"), In("home/ana"), Unavailable, ""},
		{"an existing folder whose name is not UTF-8", In("\xFF\xFE"), In("home/ana"), NotUtf8, ""},
		{"a missing folder whose name is not UTF-8", In("missing-\xFF"), In("home/ana"), NotUtf8, ""},
		{"a home whose name is not UTF-8", std::nullopt, In("\xFF\xFE"), NotUtf8, ""},
	};
	for (const FCase& Case : Cases)
	{
		FScopedEnvironment Environment;
		Environment.Set("XDG_PUBLICSHARE_DIR", Case.PublicShare);
		Environment.Set("HOME", Case.Home);
		const FQueryAnswer Answer = QueryPublicDocuments();
		EXPECT_EQ(Answer.Result, Case.Result) << Case.Description;
		EXPECT_EQ(Answer.Folder, Case.Folder) << Case.Description;
	}
}

TEST_F(PosixPublicDocuments, NothingIsMadeWhereTheFolderIsMissing)
{
	FScopedEnvironment Environment;
	Environment.Set("XDG_PUBLICSHARE_DIR", std::nullopt);
	Environment.Set("HOME", In("home/bo"));
	EXPECT_EQ(QueryPublicDocuments().Result, HRESULT_FROM_WIN32(FileNotFoundError));
	EXPECT_EQ(QueryPublicDocuments().Result, HRESULT_FROM_WIN32(FileNotFoundError)) << "asked again, the answer stays";
	EXPECT_TRUE(std::filesystem::is_empty(Root.Native() / "home/bo"));
}

TEST_F(PosixPublicDocuments, OverrideComesFirstAndClearingItAsksTheSystemAgain)
{
	FScopedEnvironment Environment;
	Environment.Set("XDG_PUBLICSHARE_DIR", In("share"));
	FPlatformShell::SetKnownFolderOverride(FString(TEXT("/opt/documents")));
	EXPECT_EQ(QueryPublicDocuments().Folder, "/opt/documents");
	FPlatformShell::ClearKnownFolderOverride();
	EXPECT_EQ(QueryPublicDocuments().Folder, In("share"));
}

TEST(PosixKnownFolders, OtherFoldersAreUnknown)
{
	constexpr KNOWNFOLDERID Other = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
	PWSTR Path = nullptr;
	EXPECT_FALSE(SUCCEEDED(SHGetKnownFolderPath(Other, 0, nullptr, &Path)));
	EXPECT_EQ(Path, nullptr);
}
