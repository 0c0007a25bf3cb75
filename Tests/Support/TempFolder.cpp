#include "TempFolder.h"

#include <algorithm>
#include <random>
#include <stdexcept>

FTempFolder::FTempFolder()
{
	std::random_device Random;
	for (int Attempt = 0; Attempt < 100; ++Attempt)
	{
		const std::filesystem::path Candidate = std::filesystem::temp_directory_path() / ("hmd-test-" + std::to_string(Random()));
		if (std::filesystem::create_directory(Candidate))
		{
			Root = Candidate;
			return;
		}
	}
	throw std::runtime_error("no temporary folder could be created");
}

FTempFolder::~FTempFolder()
{
	std::error_code Ignored;
	// A test may have left a folder without write permission.
	std::filesystem::permissions(Root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, Ignored);
	for (const auto& Entry : std::filesystem::recursive_directory_iterator(Root, Ignored))
	{
		if (Entry.is_directory(Ignored) && !Entry.is_symlink(Ignored))
		{
			std::filesystem::permissions(Entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, Ignored);
		}
	}
	std::filesystem::remove_all(Root, Ignored);
}

FString FTempFolder::Path(std::u16string_view Relative) const
{
	const std::filesystem::path Full = Relative.empty() ? Root : Root / std::filesystem::path(std::u16string(Relative));
	return FString(Full.generic_u16string());
}

std::vector<std::u16string> FTempFolder::Names(std::u16string_view Relative) const
{
	std::vector<std::u16string> Result;
	for (const auto& Entry : std::filesystem::directory_iterator(Root / std::filesystem::path(std::u16string(Relative))))
	{
		Result.push_back(Entry.path().filename().u16string());
	}
	std::sort(Result.begin(), Result.end());
	return Result;
}

std::filesystem::path ToNative(const FString& Path)
{
	return std::filesystem::path(Path.GetStdString());
}
