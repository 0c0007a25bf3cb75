// Hand-edited settings files that do not load, as a user meets them in a
// scripted hmd-editor run: the warning on standard error says which file
// and why, the content is kept beside the file, byte for byte, and the new
// file holds what the window showed.
#include "EndToEndSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{
	class SettingsFileEndToEnd : public FHmdEditorRunTest
	{
	protected:
		/** The file's path as the module names it: the documents folder as given, then "/" between the parts below it. */
		std::string ModulePath() const { return Documents.string() + "/Orvek/Skellan_4.20/Config/OHeadSetConfig.json"; }
		std::filesystem::path Copy() const { return ConfigFile.string() + ".bak"; }
	};

	bool Contains(const std::string& Text, const std::string& Part)
	{
		return Text.find(Part) != std::string::npos;
	}
}

TEST_F(SettingsFileEndToEnd, AFileThatDoesNotLoadIsNamedInAWarningAndKeptBesideTheNewOne)
{
	const struct
	{
		const char* Description;
		std::string File;
		std::vector<std::string> Reason;
		std::u16string SavedName;
	} Cases[] = {
		{"a stray comma before the closing brace", "{\"SubjectName\": \"Handmade\", \"EnableLogging\": true, }",
			{"not valid JSON", "line 1, character 52"}, u"typed"},
		{"a string where the switch belongs", "{\"SubjectName\": \"Handmade\", \"EnableLogging\": \"true\"}",
			{"\"EnableLogging\" is ignored", "holds a string, not a boolean"}, u"Handmadetyped"},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(Case.Description);
		WriteFileBytes(ConfigFile, Case.File);
		std::filesystem::remove(Copy());

		const FRunResult Result = RunScript(OpenSettings + "key End\ntype typed\nkey Escape\nquit\n");
		EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
		EXPECT_TRUE(Contains(Result.Errors, "LogOrvekHmdSettings: Warning: The HMD settings file " + ModulePath() + " did not load cleanly"))
			<< Result.Errors;
		for (const std::string& Part : Case.Reason)
		{
			EXPECT_TRUE(Contains(Result.Errors, Part)) << Result.Errors;
		}
		EXPECT_TRUE(Contains(Result.Errors, "its former content is kept in " + ModulePath() + ".bak")) << Result.Errors;

		EXPECT_EQ(ReadFileBytes(Copy()), Case.File) << "the copy holds the original bytes";
		EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(Case.SavedName, false)) << "the new file holds the window's values";
	}
}

TEST_F(SettingsFileEndToEnd, AFileThatLoadsCleanlyIsReplacedWithoutAWordOrACopy)
{
	WriteFileBytes(ConfigFile, "{\"SubjectName\": \"HMD1\", \"Extra\": [1], \"EnableLogging\": true}");
	const FRunResult Result = RunScript(OpenSettings + "key Escape\nquit\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	EXPECT_EQ(Result.Errors, "");
	EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"HMD1", true));
	EXPECT_FALSE(std::filesystem::exists(Copy()));
}
