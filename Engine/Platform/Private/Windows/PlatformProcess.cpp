#include "HAL/PlatformProcess.h"

#include "Containers/StringConv.h"
#include "Windows/WindowsPlatformIncludes.h"

#include <string>

namespace
{
	// Worded "<what failed>: <system message>", as dlerror words it elsewhere.
	FString DescribeDllError(const TCHAR* Subject, DWORD ErrorCode)
	{
		wchar_t* Buffer = nullptr;
		const DWORD Length = FormatMessageW(
			FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
			nullptr, ErrorCode, 0, reinterpret_cast<LPWSTR>(&Buffer), 0, nullptr);
		std::wstring Text = Length != 0 ? std::wstring(Buffer, Length) : std::wstring(L"error ") + std::to_wstring(ErrorCode);
		LocalFree(Buffer);
		while (!Text.empty() && (Text.back() == L'\n' || Text.back() == L'\r' || Text.back() == L' '))
		{
			Text.pop_back();
		}
		return FString(Subject) + TEXT(": ") + StringConv::FromWide(Text);
	}
}

TValueOrError<void*, FString> FPlatformProcess::GetDllHandle(const TCHAR* Filename)
{
	check(Filename != nullptr);
	// The library's own folder is searched for its dependencies, besides the
	// executable's folder and the system's.
	HMODULE Handle = LoadLibraryExW(StringConv::ToWide(std::u16string_view(Filename)).c_str(), nullptr,
		LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
	if (Handle == nullptr)
	{
		return MakeError(DescribeDllError(Filename, GetLastError()));
	}
	return MakeValue(reinterpret_cast<void*>(Handle));
}

void FPlatformProcess::FreeDllHandle(void* DllHandle)
{
	if (DllHandle != nullptr)
	{
		FreeLibrary(reinterpret_cast<HMODULE>(DllHandle));
	}
}

TValueOrError<void*, FString> FPlatformProcess::GetDllExport(void* DllHandle, const TCHAR* ProcName)
{
	check(ProcName != nullptr);
	if (DllHandle == nullptr)
	{
		return MakeError(FString(TEXT("no library")));
	}
	const FARPROC Address = GetProcAddress(reinterpret_cast<HMODULE>(DllHandle), StringConv::ToUtf8(std::u16string_view(ProcName)).c_str());
	if (Address == nullptr)
	{
		return MakeError(DescribeDllError(ProcName, GetLastError()));
	}
	return MakeValue(reinterpret_cast<void*>(Address));
}

const TCHAR* FPlatformProcess::GetModulePrefix()
{
	return TEXT("");
}

const TCHAR* FPlatformProcess::GetModuleExtension()
{
	return TEXT("dll");
}

FString FPlatformProcess::BaseDir()
{
	std::wstring Path(MAX_PATH, L'\0');
	for (;;)
	{
		const DWORD Length = GetModuleFileNameW(nullptr, Path.data(), static_cast<DWORD>(Path.size()));
		if (Length == 0)
		{
			return FString(TEXT("."));
		}
		if (Length < Path.size())
		{
			Path.resize(Length);
			break;
		}
		// Long paths do not fit MAX_PATH; grow until the name fits.
		Path.resize(Path.size() * 2);
	}
	const SIZE_T Separator = Path.find_last_of(L"\\/");
	if (Separator == std::wstring::npos)
	{
		return FString(TEXT("."));
	}
	return StringConv::FromWide(std::wstring_view(Path).substr(0, Separator));
}

TArray<std::string> FPlatformProcess::GetCommandLineArguments(int ArgC, char** ArgV)
{
	TArray<std::string> Arguments;
	int WideCount = 0;
	LPWSTR* const WideArguments = ::CommandLineToArgvW(::GetCommandLineW(), &WideCount);
	if (WideArguments == nullptr)
	{
		// The narrow arguments serve only when the wide command line cannot be had.
		for (int Index = 1; Index < ArgC; ++Index)
		{
			Arguments.Add(ArgV[Index]);
		}
		return Arguments;
	}
	for (int Index = 1; Index < WideCount; ++Index)
	{
		Arguments.Add(StringConv::ToUtf8(StringConv::FromWide(WideArguments[Index])));
	}
	::LocalFree(WideArguments);
	return Arguments;
}
