// End-to-end tests of what hmd-json says about itself: the usage after bad
// arguments, --help, --version, and names it cannot use.
#include "ProgramRun.h"
#include "RunCommandLine.h"

#include <gtest/gtest.h>

#include <string>

TEST(HmdJsonUsage, RejectsBadUsageAndExplainsItself)
{
	const char* const BadArguments[] = {
		"", "format", "frobnicate x.json", "format a.json b.json", "--help extra", "--version extra", "check", "check a.json b.json",
		"check --utf8 a.json", "check --output b.json a.json", "format --output", "format a.json --output", "format --utf8 --utf8 a.json",
		"format --output b.json --output c.json a.json", "format --frob a.json", "format --output= a.json", "-h -h",
	};
	for (const char* Arguments : BadArguments)
	{
		const FRun Run = RunProgram(Arguments);
		EXPECT_EQ(Run.ExitCode, 2) << Arguments;
		EXPECT_EQ(Run.Err.rfind("usage: hmd-json format INPUT", 0), 0u) << Arguments;
		EXPECT_NE(Run.Err.find("hmd-json check INPUT"), std::string::npos) << Arguments;
		EXPECT_EQ(Run.Out, "") << Arguments;
	}
}

TEST(HmdJsonUsage, HelpCoversEveryCommandOptionAndExitStatus)
{
	for (const char* Arguments : {"--help", "-h"})
	{
		const FRun Help = RunProgram(Arguments);
		EXPECT_EQ(Help.ExitCode, 0) << Arguments;
		EXPECT_EQ(Help.Err, "") << Arguments;
		for (const char* Topic : {"hmd-json format INPUT", "FF FE", "EF BB BF", "The JSON root is not an object.", "Exit status of format",
				 "hmd-json check INPUT", "Exit status of check", "--output FILE", "--utf8", "--version", "standard input", "pipe",
				 "the file is empty", "Null Stream Line: 1 Ch: 0", "memory", "not set", "could not write to standard output"})
		{
			EXPECT_NE(Help.Out.find(Topic), std::string::npos) << Topic;
		}
	}
}

TEST(HmdJsonUsage, PrintsItsVersion)
{
	const FRun Run = RunProgram("--version");
	EXPECT_EQ(Run.ExitCode, 0);
	EXPECT_EQ(Run.Out, std::string("hmd-json ") + HMD_JSON_EXPECTED_VERSION + "\n");
	EXPECT_EQ(Run.Err, "");
}

TEST(HmdJsonUsage, TakesOptionsAnywhereAndDashDashBeforeAnInput)
{
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, "{\"SubjectName\":\"HMD1\",\"EnableLogging\":true}");
	for (const std::string& Arguments : {"format --utf8 " + InputPath, "format " + InputPath + " --utf8", "format --utf8 -- " + InputPath})
	{
		const FRun Run = RunProgram(Arguments);
		EXPECT_EQ(Run.ExitCode, 0) << Arguments;
		EXPECT_EQ(Run.Out, SettingsText) << Arguments;
	}
	const FRun Check = RunProgram("check -- " + InputPath);
	EXPECT_EQ(Check.ExitCode, 0);
	EXPECT_EQ(Check.Out, "SubjectName: \"HMD1\"\nEnableLogging: true\n");
}

#if !defined(_WIN32)
TEST(HmdJsonUsage, ReportsAStandardOutputThatRefusesWrites)
{
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, "{\"SubjectName\":\"HMD1\",\"EnableLogging\":true}");
	const std::string AllArguments[] = {"--help", "--version", "check " + InputPath, "format " + InputPath, "format --utf8 " + InputPath};
	for (const std::string& Arguments : AllArguments)
	{
		const std::string ErrPath = FileStem() + ".err";
		EXPECT_EQ(RunCommandLine(ProgramPath() + " " + Arguments + " >/dev/full 2>" + ErrPath), 2) << Arguments;
		EXPECT_EQ(ReadFileBytes(ErrPath), "hmd-json: could not write to standard output\n") << Arguments;
	}
}

TEST(HmdJsonUsage, ReportsAPipeWhoseReaderHasGone)
{
	// Far more text than a pipe holds, so a write is bound to find the reader gone.
	std::string Big = "{\"a\":[0";
	for (int Index = 0; Index < 100000; ++Index)
	{
		Big += ",1";
	}
	Big += "]}";
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, Big);
	const std::string ErrPath = FileStem() + ".err";
	const std::string StatusPath = FileStem() + ".status";
	RunCommandLine("{ " + ProgramPath() + " format " + InputPath + " 2>" + ErrPath + "; echo $? >" + StatusPath + "; } | true");
	EXPECT_EQ(ReadFileBytes(StatusPath), "2\n");
	EXPECT_EQ(ReadFileBytes(ErrPath), "hmd-json: could not write to standard output\n");
}

TEST(HmdJsonUsage, RefusesANameThatIsNotUtf8)
{
	// Read as UTF-8 with U+FFFD for the bad byte, the name could stand for another file.
	const std::string Name = FileStem() + "_\xE9.json";
	WriteFileBytes(Name, "{}");
	for (const std::string& Arguments : {"check " + Name, "format " + Name, "format --output " + Name + " " + FileStem() + "_missing.json"})
	{
		const FRun Run = RunProgram(Arguments);
		EXPECT_EQ(Run.ExitCode, 2) << Arguments;
		EXPECT_EQ(Run.Out, "") << Arguments;
		EXPECT_EQ(Run.Err, "hmd-json: the name '" + FileStem() + "_\xEF\xBF\xBD.json' is not valid UTF-8, so it cannot be used as it is")
			<< Arguments;
	}
	EXPECT_EQ(ReadFileBytes(Name), "{}");
}
#endif
