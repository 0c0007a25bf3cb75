#include "FileBytes.h"

#include <fstream>
#include <iterator>

std::string ReadFileBytes(const std::filesystem::path& Path)
{
	std::ifstream Stream(Path, std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& Path, std::string_view Bytes)
{
	std::error_code Ignored;
	std::filesystem::create_directories(Path.parent_path(), Ignored);
	std::ofstream Stream(Path, std::ios::binary | std::ios::trunc);
	Stream.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
}
