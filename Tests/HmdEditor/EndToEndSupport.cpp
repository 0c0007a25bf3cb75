#include "EndToEndSupport.h"

#include "RunCommandLine.h"

#include "Containers/StringConv.h"
#include "HAL/PlatformProcess.h"

#include <algorithm>
#include <sstream>

std::string ExpectedFile(const std::u16string& Name, bool bEnableLogging)
{
	const std::u16string Text = u"{\r\n\t\"SubjectName\": \"" + Name + u"\",\r\n\t\"EnableLogging\": " + (bEnableLogging ? u"true" : u"false") + u"\r\n}";
	std::string Bytes;
	const bool bAscii = std::all_of(Text.begin(), Text.end(), [](char16_t Unit) { return Unit < 128; });
	if (bAscii)
	{
		for (const char16_t Unit : Text)
		{
			Bytes += static_cast<char>(Unit);
		}
		return Bytes;
	}
	Bytes = "\xFF\xFE";
	for (const char16_t Unit : Text)
	{
		Bytes += static_cast<char>(Unit & 0xFF);
		Bytes += static_cast<char>(Unit >> 8);
	}
	return Bytes;
}

std::string WithUnixLineEnds(std::string Text)
{
	for (SIZE_T Found = Text.find("\r\n"); Found != std::string::npos; Found = Text.find("\r\n", Found))
	{
		Text.erase(Found, 1);
	}
	return Text;
}

std::string LineWith(const std::string& Screen, const std::string& Text)
{
	std::istringstream Lines(Screen);
	for (std::string Line; std::getline(Lines, Line);)
	{
		if (Line.find(Text) != std::string::npos)
		{
			return Line;
		}
	}
	return std::string();
}

bool ShowsName(const std::string& Screen, const std::string& Name)
{
	const std::string Line = LineWith(Screen, "Hmd Name");
	return Line.find("[" + Name + "_") != std::string::npos || Line.find("[" + Name + "]") != std::string::npos;
}

std::string CheckBoxOf(const std::string& Screen)
{
	const std::string Line = LineWith(Screen, "Enable Log");
	const SIZE_T Box = Line.find('[');
	return Box == std::string::npos ? Line : Line.substr(Box, 3);
}

std::vector<std::string> SplitScreens(const std::string& Output)
{
	std::vector<std::string> Screens;
	SIZE_T Start = 0;
	for (SIZE_T End = Output.find(EndOfScreen); End != std::string::npos; End = Output.find(EndOfScreen, Start))
	{
		Screens.push_back(Output.substr(Start, End - Start));
		Start = End + EndOfScreen.size();
	}
	EXPECT_EQ(Start, Output.size()) << "output after the last screen: " << Output.substr(Start);
	return Screens;
}

void FHmdEditorRunTest::SetUp()
{
	Documents = Folder / "Documents";
	std::filesystem::create_directories(Documents);
	ConfigFile = Documents / "Orvek" / "Skellan_4.20" / "Config" / "OHeadSetConfig.json";
}

std::filesystem::path FHmdEditorRunTest::Program()
{
	return std::filesystem::path(StringConv::ToUtf8(FPlatformProcess::BaseDir())) / HMD_EDITOR_FILE_NAME;
}

FRunResult FHmdEditorRunTest::RunProgram(const std::string& Arguments)
{
	const std::filesystem::path OutputFile = Folder / "stdout.txt";
	const std::filesystem::path ErrorFile = Folder / "stderr.txt";
	FRunResult Result;
	Result.ExitCode = RunCommandLine(Quote(Program()) + " " + Arguments + " > " + Quote(OutputFile) + " 2> " + Quote(ErrorFile));
	Result.Output = WithUnixLineEnds(ReadFileBytes(OutputFile));
	Result.Errors = WithUnixLineEnds(ReadFileBytes(ErrorFile));
	return Result;
}

std::filesystem::path FHmdEditorRunTest::WriteScript(const std::string& Script)
{
	const std::filesystem::path ScriptFile = Folder / "script.txt";
	WriteFileBytes(ScriptFile, Script);
	return ScriptFile;
}

FRunResult FHmdEditorRunTest::RunScript(const std::string& Script, const std::string& Size)
{
	return RunProgram("--documents " + Quote(Documents) + " --script " + Quote(WriteScript(Script)) + " --size " + Size);
}
