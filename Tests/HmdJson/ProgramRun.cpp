#include "ProgramRun.h"

#include "RunCommandLine.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace
{
	/**
	 * Runs the tests inside a temporary folder, so that the files they make
	 * by relative names go there and are removed at the end, whatever the
	 * folder the tests were started in.
	 */
	class FTestFolderEnvironment : public testing::Environment
	{
	public:
		void SetUp() override
		{
			Folder.emplace();
			StartFolder = std::filesystem::current_path();
			std::filesystem::current_path(Folder->Native());
		}

		void TearDown() override
		{
			std::filesystem::current_path(StartFolder);
			Folder.reset();
		}

	private:
		std::optional<FTempFolder> Folder;
		std::filesystem::path StartFolder;
	};

	testing::Environment* const TestFolderEnvironment = testing::AddGlobalTestEnvironment(new FTestFolderEnvironment);
}

const std::string SettingsText = "{\r\n\t\"SubjectName\": \"HMD1\",\r\n\t\"EnableLogging\": true\r\n}";

std::string FileStem()
{
	const testing::TestInfo* Info = testing::UnitTest::GetInstance()->current_test_info();
	return std::string("hmdjson_") + Info->test_suite_name() + "_" + Info->name();
}

namespace
{
	// Made absolute before the tests move into their temporary folder: under
	// Wine that folder is on another drive, where a path without one would
	// not lead to the program.
	const std::string AbsoluteProgramPath = std::filesystem::absolute(std::filesystem::path(HMD_JSON_PROGRAM)).make_preferred().string();
}

std::string ProgramPath()
{
	return AbsoluteProgramPath;
}

FRun RunProgram(const std::string& Arguments, const std::string& ShellPrefix, const std::string& Redirection)
{
	const std::string OutPath = FileStem() + ".out";
	const std::string ErrPath = FileStem() + ".err";
	const std::string Command
		= ShellPrefix + ProgramPath() + " " + Arguments + (Redirection.empty() ? "" : " " + Redirection) + " >" + OutPath + " 2>" + ErrPath;
	FRun Run;
	Run.ExitCode = RunCommandLine(Command);
	Run.Out = ReadFileBytes(OutPath);
	Run.Err = ReadFileBytes(ErrPath);
	// Standard error may be in text mode, where each line ends in CR LF.
	while (!Run.Err.empty() && (Run.Err.back() == '\n' || Run.Err.back() == '\r'))
	{
		Run.Err.pop_back();
	}
	return Run;
}

std::string PipeFrom(const std::string& Path)
{
#if defined(_WIN32)
	// cmd's type would turn UTF-16 text into the console's code page. The
	// program's own saved form of the file goes through unchanged, and
	// formats and checks as the file itself does.
	return ProgramPath() + " format " + Path + " | ";
#else
	return "cat " + Path + " | ";
#endif
}

FRun Format(const std::string& InputBytes)
{
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, InputBytes);
	return RunProgram("format " + InputPath);
}

std::string Utf16LeWithMark(const std::string& AsciiBefore, char16_t Unit, const std::string& AsciiAfter)
{
	std::string Bytes = "\xFF\xFE";
	const auto Append = [&Bytes](char16_t Code)
	{
		Bytes.push_back(static_cast<char>(Code & 0xFF));
		Bytes.push_back(static_cast<char>(Code >> 8));
	};
	for (const char Character : AsciiBefore)
	{
		Append(static_cast<char16_t>(Character));
	}
	Append(Unit);
	for (const char Character : AsciiAfter)
	{
		Append(static_cast<char16_t>(Character));
	}
	return Bytes;
}
