#include "Posix/ChildProgram.h"

#include "ProgramRun.h"

#include <gtest/gtest.h>

FChildRun RunChildProgram(const std::vector<std::string>& Arguments, const FChildMode& Mode)
{
	std::vector<std::string> CommandLine = {ProgramPath()};
	CommandLine.insert(CommandLine.end(), Arguments.begin(), Arguments.end());
	const std::string ErrorFile = FileStem() + ".child-err";
	FChildRun Run;
	FChildProcess Child;
	if (!Child.Start(CommandLine, ErrorFile, Mode))
	{
		ADD_FAILURE() << "the program did not start";
		return Run;
	}
	const FChildEnd End = Child.Wait();
	Run.ExitCode = End.bExited ? End.Code : -1;
	Run.Out = Child.GetOutput();
	Run.Err = ReadFileBytes(ErrorFile);
	return Run;
}
