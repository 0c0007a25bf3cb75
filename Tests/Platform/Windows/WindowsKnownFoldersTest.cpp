// The real shell's answer, through the engine's query.
#include "Shell/KnownFolders.h"

#include "Containers/StringConv.h"
#include "HAL/FileManager.h"
#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

TEST(WindowsKnownFolders, TheShellGivesAnExistingFolderWithoutTrailingSeparator)
{
	FPlatformShell::ClearKnownFolderOverride();
	PWSTR Path = nullptr;
	const HRESULT Result = SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, &Path);
	ASSERT_TRUE(SUCCEEDED(Result)) << Result;
	const FString Folder = StringConv::FromWide(Path);
	CoTaskMemFree(Path);

	ASSERT_FALSE(Folder.IsEmpty());
	EXPECT_NE(Folder[Folder.Len() - 1], TEXT('\\')) << Utf8(Folder);
	EXPECT_TRUE(IFileManager::Get().DirectoryExists(*Folder)) << Utf8(Folder);
}
