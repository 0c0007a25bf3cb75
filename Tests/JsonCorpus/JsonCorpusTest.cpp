#include "JsonReadCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace
{
	std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& Folder)
	{
		std::vector<std::filesystem::path> Files;
		for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(Folder))
		{
			if (Entry.is_regular_file())
			{
				Files.push_back(Entry.path());
			}
		}
		std::sort(Files.begin(), Files.end());
		return Files;
	}

	std::vector<uint8> LoadBytes(const std::filesystem::path& File)
	{
		std::ifstream Stream(File, std::ios::binary);
		return std::vector<uint8>(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
	}

	/** Checks every file of Folder and says how many there were. */
	void ExpectEveryFileReadsSoundly(const std::filesystem::path& Folder)
	{
		ASSERT_TRUE(std::filesystem::is_directory(Folder)) << Folder << " is missing";
		const std::vector<std::filesystem::path> Files = FilesIn(Folder);
		ASSERT_FALSE(Files.empty()) << Folder << " holds no file";
		for (const std::filesystem::path& File : Files)
		{
			const std::vector<uint8> Bytes = LoadBytes(File);
			EXPECT_EQ(JsonReadCheck::CheckDocument(Bytes.data(), static_cast<int64>(Bytes.size())), "")
				<< "in " << File.filename();
		}
		std::cout << "[          ] " << Files.size() << " documents of " << Folder << "\n";
	}
}

TEST(JsonCorpus, EveryTestSuiteDocumentGivesATreeOrAnError)
{
#ifdef HMD_JSON_CORPUS_DIR
	ExpectEveryFileReadsSoundly(HMD_JSON_CORPUS_DIR);
#else
	GTEST_SKIP() << "the JSON test suite corpus was not found when this build was configured";
#endif
}

TEST(JsonCorpus, EveryKeptRegressionInputGivesATreeOrAnError)
{
	ExpectEveryFileReadsSoundly(HMD_JSON_REGRESSIONS_DIR);
}
