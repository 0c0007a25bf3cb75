#include "PlatformTestSupport.h"

#include "HAL/FileManager.h"

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
