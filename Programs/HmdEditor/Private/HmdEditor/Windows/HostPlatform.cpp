// The interactive mode's screen and log file on Windows.
#include "HmdEditor/FrontEnd/HostTerminal.h"

#include "Containers/StringConv.h"
#include "HmdEditor/Windows/ConsoleTerminal.h"

#define TCHAR WINTCHAR
#include <shlobj.h>
#undef TCHAR

std::unique_ptr<IHostTerminal> MakePlatformTerminal()
{
	return std::make_unique<FConsoleTerminal>();
}

std::string GetHostLogFilePath()
{
	PWSTR LocalAppData = nullptr;
	const HRESULT Result = SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &LocalAppData);
	std::wstring Path = (SUCCEEDED(Result) && LocalAppData != nullptr) ? LocalAppData : L"";
	CoTaskMemFree(LocalAppData);
	if (Path.empty())
	{
		return std::string();
	}
	// The folder is made here; a failure shows when the file does not open.
	Path += L"\\hmd-editor";
	CreateDirectoryW(Path.c_str(), nullptr);
	Path += L"\\hmd-editor.log";
	return StringConv::ToUtf8(StringConv::FromWide(Path));
}
