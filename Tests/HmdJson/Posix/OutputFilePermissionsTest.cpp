// "hmd-json format --output FILE" and what POSIX permissions ask of it: the
// replaced file keeps its mode, and where the user may not write, FILE is
// left whole. Tests that depend on permission bits run as an ordinary user.
#include "Posix/ChildProgram.h"
#include "Posix/PosixTestSupport.h"
#include "ProgramRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
	const std::string CompactSettings = "{\"SubjectName\":\"HMD1\",\"EnableLogging\":true}";
	const std::string OldContent = "{\"SubjectName\": \"Old\"}";

	std::ptrdiff_t CountEntries(const std::filesystem::path& Folder)
	{
		return std::distance(std::filesystem::directory_iterator(Folder), std::filesystem::directory_iterator());
	}
}

TEST(HmdJsonOutputFilePosix, ReformattingInPlaceKeepsTheMode)
{
	const std::string Path = FileStem() + ".json";
	for (const mode_t Mode : {0600, 0640, 0604, 0660, 0755})
	{
		WriteFileBytes(Path, CompactSettings);
		ASSERT_EQ(::chmod(Path.c_str(), Mode), 0);
		const FRun Run = RunProgram("format --output " + Path + " " + Path);
		EXPECT_EQ(Run.ExitCode, 0) << std::oct << Mode;
		EXPECT_EQ(ReadFileBytes(Path), SettingsText) << std::oct << Mode;
		EXPECT_EQ(ModeOf(Path), Mode) << std::oct << Mode;
	}
}

TEST(HmdJsonOutputFilePosix, AnOrdinaryUserCannotReplaceWhatTheyMayNotWrite)
{
	struct FCase { const char* Name; mode_t FolderMode; mode_t FileMode; std::string ErrorEnd; };
	const FCase Cases[] = {
		{"folder not writable", 0555, 0644, "Permission denied"},
		{"file read-only", 0755, 0444, "the file is read-only"},
	};
	for (const FCase& Case : Cases)
	{
		const FTempFolder Folder;
		const std::string Input = (Folder.Native() / "in.json").string();
		const std::string Output = (Folder.Native() / "OHeadSetConfig.json").string();
		WriteFileBytes(Input, CompactSettings);
		WriteFileBytes(Output, OldContent);
		GiveToOrdinaryUser(Input);
		GiveToOrdinaryUser(Output);
		GiveToOrdinaryUser(Folder.Native());
		ASSERT_EQ(::chmod(Output.c_str(), Case.FileMode), 0);
		ASSERT_EQ(::chmod(Folder.Native().c_str(), Case.FolderMode), 0);

		FChildMode Mode;
		Mode.bAsOrdinaryUser = true;
		const FChildRun Run = RunChildProgram({"format", "--output", Output, Input}, Mode);
		EXPECT_EQ(Run.ExitCode, 2) << Case.Name;
		EXPECT_EQ(Run.Out, "") << Case.Name;
		EXPECT_EQ(Run.Err.rfind("hmd-json: ", 0), 0u) << Case.Name << ": " << Run.Err;
		EXPECT_NE(Run.Err.find(Output), std::string::npos) << Case.Name << ": " << Run.Err;
		EXPECT_NE(Run.Err.find(Case.ErrorEnd + "\n"), std::string::npos) << Case.Name << ": " << Run.Err;
		EXPECT_EQ(ReadFileBytes(Output), OldContent) << Case.Name;
		EXPECT_EQ(ModeOf(Output), Case.FileMode) << Case.Name;
		// Nothing is left beside it.
		EXPECT_EQ(CountEntries(Folder.Native()), 2) << Case.Name;
	}
}

TEST(HmdJsonOutputFilePosix, ALinkAtTheFileIsReplacedNotFollowed)
{
	const std::string Input = FileStem() + ".json";
	const std::string Target = FileStem() + "_target.json";
	const std::string Link = FileStem() + "_link.json";
	WriteFileBytes(Input, CompactSettings);
	WriteFileBytes(Target, OldContent);
	std::filesystem::remove(Link);
	std::filesystem::create_symlink(Target, Link);

	const FRun Run = RunProgram("format --output " + Link + " " + Input);
	EXPECT_EQ(Run.ExitCode, 0);
	EXPECT_FALSE(std::filesystem::is_symlink(Link));
	EXPECT_EQ(ReadFileBytes(Link), SettingsText);
	EXPECT_EQ(ReadFileBytes(Target), OldContent);
}
