// A file's bytes read and written whole, in binary mode, for tests that set
// up files and compare what a program left in them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

/** The bytes of a file; empty when it cannot be read. */
std::string ReadFileBytes(const std::filesystem::path& Path);
/** Replaces a file with Bytes, making its folders first when they are missing. */
void WriteFileBytes(const std::filesystem::path& Path, std::string_view Bytes);
