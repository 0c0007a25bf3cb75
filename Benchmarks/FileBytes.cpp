#include "FileBytes.h"

#include <cstdio>
#include <memory>

namespace
{
	struct FCloseFile
	{
		void operator()(std::FILE* File) const { std::fclose(File); }
	};
	using FFilePtr = std::unique_ptr<std::FILE, FCloseFile>;
}

namespace FileBytes
{
	std::vector<uint8_t> Load(const char* Path)
	{
		std::vector<uint8_t> Bytes;
		FFilePtr File(std::fopen(Path, "rb"));
		if (!File || std::fseek(File.get(), 0, SEEK_END) != 0)
		{
			return Bytes;
		}
		const long Size = std::ftell(File.get());
		if (Size <= 0 || std::fseek(File.get(), 0, SEEK_SET) != 0)
		{
			return Bytes;
		}
		Bytes.resize(static_cast<size_t>(Size));
		Bytes.resize(std::fread(Bytes.data(), 1, Bytes.size(), File.get()));
		return Bytes;
	}

	bool Save(const char* Path, const uint8_t* Data, size_t Size)
	{
		FFilePtr File(std::fopen(Path, "wb"));
		return File && std::fwrite(Data, 1, Size, File.get()) == Size && std::fflush(File.get()) == 0;
	}
}
