// End-to-end tests of "hmd-json check": the two values as the settings
// module loads them, one line per finding, and the exit status.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace
{
	struct FCheckCase
	{
		const char* Name;
		std::string Input;
		/** Standard output, "@" standing for the file's name. */
		std::string Report;
		int ExitCode;
	};

	std::string Named(const std::string& Report, const std::string& Name)
	{
		std::string Result;
		for (const char Character : Report)
		{
			Result += Character == '@' ? Name : std::string(1, Character);
		}
		return Result;
	}

	/** UTF-16 little-endian after FF FE, or big-endian after FE FF, of ASCII text. */
	std::string Utf16WithMark(const std::string& Ascii, bool bBigEndian = false)
	{
		std::string Bytes = bBigEndian ? "\xFE\xFF" : "\xFF\xFE";
		for (const char Character : Ascii)
		{
			Bytes += bBigEndian ? std::string(1, '\0') + Character : std::string(1, Character) + '\0';
		}
		return Bytes;
	}

	const std::string Clean = "SubjectName: \"Rig 7\"\nEnableLogging: true\n";
	const std::string NothingLoads = "SubjectName: (nothing of the file loads: the default \"\" is used)\n"
									 "EnableLogging: (nothing of the file loads: the default false is used)\n";

	void ExpectCases(const FCheckCase* Cases, std::size_t Count, const std::string& InputPath)
	{
		for (std::size_t Index = 0; Index < Count; ++Index)
		{
			const FCheckCase& Case = Cases[Index];
			WriteFileBytes(InputPath, Case.Input);
			const FRun Run = RunProgram("check " + InputPath);
			EXPECT_EQ(Run.ExitCode, Case.ExitCode) << Case.Name;
			EXPECT_EQ(Run.Out, Named(Case.Report, InputPath)) << Case.Name;
			EXPECT_EQ(Run.Err, "") << Case.Name;
			// Nothing is changed.
			EXPECT_EQ(ReadFileBytes(InputPath), Case.Input) << Case.Name;
		}
	}
}

TEST(HmdJsonCheck, ShowsTheValuesAsTheModuleLoadsThem)
{
	const FCheckCase Cases[] = {
		{"both set", "{\"SubjectName\": \"Rig 7\", \"EnableLogging\": true}", Clean, 0},
		{"as the module saves it", SettingsText, "SubjectName: \"HMD1\"\nEnableLogging: true\n", 0},
		{"true in any case", "{\"SubjectName\": \"Rig 7\", \"EnableLogging\": TRUE}", Clean, 0},
		{"false", "{\"SubjectName\": \"\", \"EnableLogging\": false}", "SubjectName: \"\"\nEnableLogging: false\n", 0},
		{"name missing", "{\"EnableLogging\": false}", "SubjectName: (not set: the default \"\" is used)\nEnableLogging: false\n", 0},
		{"both missing", "{}",
			"SubjectName: (not set: the default \"\" is used)\nEnableLogging: (not set: the default false is used)\n", 0},
		{"escapes shown", "{\"SubjectName\": \"a\\\"b\\\\c\\td\\u0001\\u007f\\ud800\", \"EnableLogging\": true}",
			"SubjectName: \"a\\\"b\\\\c\\td\\u0001\\u007F\\uD800\"\nEnableLogging: true\n", 0},
		{"UTF-8 name", "{\"SubjectName\": \"R\xC3\xA9 \xF0\x9F\x98\x80\", \"EnableLogging\": true}",
			"SubjectName: \"R\xC3\xA9 \xF0\x9F\x98\x80\"\nEnableLogging: true\n", 0},
		{"one byte a character", "{\"SubjectName\": \"R\xE9\", \"EnableLogging\": true}",
			"SubjectName: \"R\xC3\xA9\"\nEnableLogging: true\n", 0},
		{"UTF-16 little-endian", Utf16WithMark("{\"SubjectName\": \"Rig 7\", \"EnableLogging\": true}"), Clean, 0},
		{"UTF-16 big-endian", Utf16WithMark("{\"SubjectName\": \"Rig 7\", \"EnableLogging\": true}", true), Clean, 0},
		{"a key nested deeper is not a setting", "{\"SubjectName\": \"Rig 7\", \"EnableLogging\": true, \"Extra\": {\"SubjectName\": 1}}",
			Clean + "@: \"Extra\" is not a setting; the next save drops it\n", 1},
	};
	ExpectCases(Cases, std::size(Cases), FileStem() + ".json");
}

TEST(HmdJsonCheck, NamesEveryFindingWithTheFile)
{
	const FCheckCase Cases[] = {
		{"stray comma", "{\"SubjectName\": \"Handmade\", \"EnableLogging\": true, }",
			NothingLoads + "@:1:52: String token expected, but not found.\n", 1},
		{"reader error on a later line", "{\r\n\t\"SubjectName\": \"HMD1\",\r\n}",
			NothingLoads + "@:3:1: String token expected, but not found.\n", 1},
		{"reader error in UTF-16", Utf16WithMark("{\"a\" 1}"), NothingLoads + "@:1:6: Colon token expected, but not found.\n", 1},
		{"bare word", "{name: 1}", NothingLoads + "@:1:5: Invalid Json Token. Check that your member names have quotes around them!\n", 1},
		{"empty", "", NothingLoads + "@: the file is empty\n", 1},
		{"only a byte-order mark", "\xFF\xFE", NothingLoads + "@: the file is empty but for its byte-order mark\n", 1},
		{"root is an array", "[{\"SubjectName\": \"Rig 7\"}]",
			NothingLoads + "@: the root is not an object, so nothing of the file loads\n", 1},
		{"switch is a string", "{\"SubjectName\": \"Rig 7\", \"EnableLogging\": \"true\"}",
			"SubjectName: \"Rig 7\"\nEnableLogging: (ignored: the default false is used)\n"
			"@: EnableLogging is a string, not true or false; it loads as false\n", 1},
		{"switch is a number", "{\"SubjectName\": \"Rig 7\", \"EnableLogging\": 1}",
			"SubjectName: \"Rig 7\"\nEnableLogging: (ignored: the default false is used)\n"
			"@: EnableLogging is a number, not true or false; it loads as false\n", 1},
		{"switch is null", "{\"EnableLogging\": null}",
			"SubjectName: (not set: the default \"\" is used)\nEnableLogging: (ignored: the default false is used)\n"
			"@: EnableLogging is null, not true or false; it loads as false\n", 1},
		{"name is a boolean, switch an object", "{\"SubjectName\": true, \"EnableLogging\": {}}",
			"SubjectName: (ignored: the default \"\" is used)\nEnableLogging: (ignored: the default false is used)\n"
			"@: SubjectName is a boolean, not a string; the default \"\" is used\n"
			"@: EnableLogging is an object, not true or false; it loads as false\n", 1},
		{"name is an array", "{\"SubjectName\": [\"Rig 7\"], \"EnableLogging\": true}",
			"SubjectName: (ignored: the default \"\" is used)\nEnableLogging: true\n"
			"@: SubjectName is an array, not a string; the default \"\" is used\n", 1},
		{"repeated setting", "{\"SubjectName\": \"Old\", \"EnableLogging\": true, \"SubjectName\": \"Rig 7\"}",
			Clean + "@: \"SubjectName\" is repeated; only its last value is read, and the next save drops the others\n", 1},
		{"repeated with a wrong type last", "{\"EnableLogging\": true, \"EnableLogging\": \"yes\"}",
			"SubjectName: (not set: the default \"\" is used)\nEnableLogging: (ignored: the default false is used)\n"
			"@: EnableLogging is a string, not true or false; it loads as false\n"
			"@: \"EnableLogging\" is repeated; only its last value is read, and the next save drops the others\n", 1},
		{"keys the next save drops", "{\"Comment\": \"x\", \"SubjectName\": \"Rig 7\", \"enablelogging\": false, \"EnableLogging\": true}",
			Clean + "@: \"Comment\" is not a setting; the next save drops it\n"
			"@: \"enablelogging\" is not a setting; the next save drops it\n", 1},
		{"a repeated key that is not a setting", "{\"SubjectName\": \"Rig 7\", \"EnableLogging\": true, \"X\": 1, \"X\": 2}",
			Clean + "@: \"X\" is repeated and is not a setting; the next save drops all of it\n", 1},
		{"a key shown with its escapes", "{\"SubjectName\": \"Rig 7\", \"EnableLogging\": true, \"a\\nb\\u00e9\": 1}",
			Clean + "@: \"a\\nb\xC3\xA9\" is not a setting; the next save drops it\n", 1},
	};
	ExpectCases(Cases, std::size(Cases), FileStem() + ".json");
}

TEST(HmdJsonCheck, NamesTheFileByTheWholePathGiven)
{
	// On Windows an absolute path starts with a drive, whose colon the report keeps as it is.
	const std::string InputPath = std::filesystem::absolute(FileStem() + ".json").make_preferred().string();
	const FCheckCase Cases[] = {
		{"reader error", "{\"a\" 1}", NothingLoads + "@:1:6: Colon token expected, but not found.\n", 1},
		{"clean", "{\"SubjectName\": \"Rig 7\", \"EnableLogging\": true}", Clean, 0},
	};
	ExpectCases(Cases, std::size(Cases), InputPath);
}

TEST(HmdJsonCheck, ReportsAFileItCannotRead)
{
	const std::string Missing = FileStem() + "_missing.json";
	const FRun Run = RunProgram("check " + Missing);
	EXPECT_EQ(Run.ExitCode, 2);
	EXPECT_EQ(Run.Out, "");
	EXPECT_NE(Run.Err.find("hmd-json: Could not open '" + Missing + "'"), std::string::npos) << Run.Err;
}
