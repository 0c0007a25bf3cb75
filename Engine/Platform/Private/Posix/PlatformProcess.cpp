#include "HAL/PlatformProcess.h"

#include "Containers/StringConv.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>

namespace
{
	/** dlerror()'s text, which it clears once read. */
	FString TakeDllError()
	{
		const char* Error = dlerror();
		return StringConv::FromUtf8(Error != nullptr ? Error : "unknown error");
	}
}

TValueOrError<void*, FString> FPlatformProcess::GetDllHandle(const TCHAR* Filename)
{
	check(Filename != nullptr);
	// RTLD_LOCAL keeps each module's InitializeModule apart from every other module's.
	void* Handle = dlopen(StringConv::ToUtf8(std::u16string_view(Filename)).c_str(), RTLD_NOW | RTLD_LOCAL);
	if (Handle == nullptr)
	{
		return MakeError(TakeDllError());
	}
	return MakeValue(Handle);
}

void FPlatformProcess::FreeDllHandle(void* DllHandle)
{
	if (DllHandle != nullptr)
	{
		dlclose(DllHandle);
	}
}

TValueOrError<void*, FString> FPlatformProcess::GetDllExport(void* DllHandle, const TCHAR* ProcName)
{
	check(ProcName != nullptr);
	if (DllHandle == nullptr)
	{
		return MakeError(FString(TEXT("no library")));
	}
	dlerror();
	void* Address = dlsym(DllHandle, StringConv::ToUtf8(std::u16string_view(ProcName)).c_str());
	if (Address == nullptr)
	{
		return MakeError(TakeDllError());
	}
	return MakeValue(Address);
}

const TCHAR* FPlatformProcess::GetModulePrefix()
{
	return TEXT("lib");
}

const TCHAR* FPlatformProcess::GetModuleExtension()
{
	return TEXT("so");
}

FString FPlatformProcess::BaseDir()
{
	std::string Path(4096, '\0');
	const ssize_t Length = readlink("/proc/self/exe", Path.data(), Path.size());
	if (Length <= 0 || static_cast<SIZE_T>(Length) >= Path.size())
	{
		return FString(TEXT("."));
	}
	Path.resize(static_cast<SIZE_T>(Length));
	const SIZE_T Slash = Path.find_last_of('/');
	if (Slash == std::string::npos)
	{
		return FString(TEXT("."));
	}
	// The root folder keeps its one slash.
	Path.resize(Slash == 0 ? 1 : Slash);
	return StringConv::FromUtf8(Path);
}

TArray<std::string> FPlatformProcess::GetCommandLineArguments(int ArgC, char** ArgV)
{
	TArray<std::string> Arguments;
	for (int Index = 1; Index < ArgC; ++Index)
	{
		Arguments.Add(ArgV[Index]);
	}
	return Arguments;
}
