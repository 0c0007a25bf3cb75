#include "PlatformTestSupport.h"

#include "Containers/StringConv.h"
#include "HAL/FileManager.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

FTempFolder::FTempFolder()
{
	std::random_device Random;
	for (int Attempt = 0; Attempt < 100; ++Attempt)
	{
		const std::filesystem::path Candidate =
			std::filesystem::temp_directory_path() / ("hmd-platform-test-" + std::to_string(Random()));
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

std::string Utf8(const FString& Text)
{
	return StringConv::ToUtf8(Text);
}

void PrintTo(const FString& Text, std::ostream* Stream)
{
	*Stream << '"' << Utf8(Text) << '"';
}

std::string ReadBytes(const std::filesystem::path& Path)
{
	std::ifstream Stream(Path, std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& Path, std::string_view Bytes)
{
	std::ofstream Stream(Path, std::ios::binary | std::ios::trunc);
	Stream.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
}

bool Contains(const FString& Text, std::u16string_view Part)
{
	return Text.View().find(Part) != std::u16string_view::npos;
}

bool SaveBytes(const FString& Path, std::string_view Bytes, FString* OutError, const FFileAccess& Access)
{
	return IFileManager::Get().WriteFileAtomically(
		*Path, reinterpret_cast<const uint8*>(Bytes.data()), static_cast<int64>(Bytes.size()), OutError, Access);
}

bool LoadBytes(const FString& Path, std::string& OutBytes, FString* OutError, const FFileAccess& Access)
{
	TArray<uint8> Loaded;
	if (!IFileManager::Get().LoadFile(*Path, Loaded, OutError, Access))
	{
		return false;
	}
	OutBytes.assign(reinterpret_cast<const char*>(Loaded.GetData()), static_cast<SIZE_T>(Loaded.Num()));
	return true;
}
