#include "ProgramRun.h"

#include "RunCommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>

const std::string SettingsText = "{\r\n\t\"SubjectName\": \"HMD1\",\r\n\t\"EnableLogging\": true\r\n}";

std::string FileStem()
{
	const testing::TestInfo* Info = testing::UnitTest::GetInstance()->current_test_info();
	return std::string("hmdjson_") + Info->test_suite_name() + "_" + Info->name();
}

std::string ProgramPath()
{
	return std::filesystem::path(HMD_JSON_PROGRAM).make_preferred().string();
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
