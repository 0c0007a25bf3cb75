#include "WindowsFileTestSupport.h"

#include <sddl.h>

#include <stdexcept>
#include <vector>

namespace
{
	using FWineUnixFileName = char*(CDECL*)(LPCWSTR);
	using FWineDosFileName = WCHAR*(CDECL*)(LPCSTR);

	/** A function of Wine's kernel32, or null on Windows. */
	template <typename FunctionType>
	FunctionType WineFunction(const char* Name)
	{
		// Through void(*)(), which any function pointer type may be cast to and from.
		const auto Function = reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), Name));
		return reinterpret_cast<FunctionType>(Function);
	}

	std::wstring Widen(const std::string& Utf8Text)
	{
		const int Length = ::MultiByteToWideChar(CP_UTF8, 0, Utf8Text.data(), static_cast<int>(Utf8Text.size()), nullptr, 0);
		std::wstring Wide(static_cast<size_t>(Length), L'\0');
		::MultiByteToWideChar(CP_UTF8, 0, Utf8Text.data(), static_cast<int>(Utf8Text.size()), Wide.data(), Length);
		return Wide;
	}

	bool IsListed(const std::filesystem::path& Path)
	{
		WIN32_FIND_DATAW Found;
		const HANDLE Search = ::FindFirstFileW(Path.wstring().c_str(), &Found);
		if (Search == INVALID_HANDLE_VALUE)
		{
			return false;
		}
		::FindClose(Search);
		return true;
	}

	/**
	 * Runs a Unix program through Wine on Unix paths until the entry at Path
	 * is there or gone as bPresent says: Wine starts a Unix program without a
	 * handle to wait on. Empty on success, otherwise why not.
	 */
	std::string RunUnixProgram(const char* Program, const std::string& Arguments, const std::filesystem::path& Path, bool bPresent)
	{
		const auto DosFileName = WineFunction<FWineDosFileName>("wine_get_dos_file_name");
		WCHAR* const ProgramPath = DosFileName != nullptr ? DosFileName(Program) : nullptr;
		if (ProgramPath == nullptr)
		{
			return std::string("Wine shows no ") + Program;
		}
		std::wstring CommandLine = L"\"" + std::wstring(ProgramPath) + L"\" " + Widen(Arguments);
		::HeapFree(::GetProcessHeap(), 0, ProgramPath);
		STARTUPINFOW Startup = {};
		Startup.cb = sizeof(Startup);
		PROCESS_INFORMATION Process = {};
		if (!::CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup, &Process))
		{
			return std::string("Wine could not start ") + Program + ", error " + std::to_string(::GetLastError());
		}
		for (const HANDLE Handle : {Process.hProcess, Process.hThread})
		{
			if (Handle != nullptr)
			{
				::CloseHandle(Handle);
			}
		}
		for (int Attempt = 0; Attempt < 500; ++Attempt)
		{
			if (IsListed(Path) == bPresent)
			{
				return std::string();
			}
			::Sleep(20);
		}
		return std::string(Program) + " did not finish";
	}

	/** The Unix path Wine gives a path whose last name may not exist yet; empty outside Wine. */
	std::string UnixPathOf(const std::filesystem::path& Path)
	{
		const auto UnixFileName = WineFunction<FWineUnixFileName>("wine_get_unix_file_name");
		if (UnixFileName == nullptr)
		{
			return std::string();
		}
		char* Folder = UnixFileName(Path.parent_path().wstring().c_str());
		if (Folder == nullptr)
		{
			return std::string();
		}
		std::string Result = std::string(Folder) + "/" + Utf8(FString(Path.filename().u16string()));
		::HeapFree(::GetProcessHeap(), 0, Folder);
		return Result;
	}

	std::string Quoted(const std::string& Text)
	{
		return "\"" + Text + "\"";
	}
}

namespace WindowsFileTest
{
	FHeldFile::FHeldFile(const std::filesystem::path& Path, DWORD Access, DWORD Sharing)
		: Handle(::CreateFileW(Path.wstring().c_str(), Access, Sharing, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr))
	{
	}

	FHeldFile::~FHeldFile()
	{
		Close();
	}

	void FHeldFile::Close()
	{
		if (IsValid())
		{
			::CloseHandle(Handle);
			Handle = INVALID_HANDLE_VALUE;
		}
	}

	DWORD Attributes(const std::filesystem::path& Path)
	{
		return ::GetFileAttributesW(Path.wstring().c_str());
	}

	void SetAttributes(const std::filesystem::path& Path, DWORD NewAttributes)
	{
		if (!::SetFileAttributesW(Path.wstring().c_str(), NewAttributes))
		{
			throw std::runtime_error("SetFileAttributesW failed: " + std::to_string(::GetLastError()));
		}
	}

	FScopedReadOnly::FScopedReadOnly(std::filesystem::path InPath) : Path(std::move(InPath))
	{
		SetAttributes(Path, Attributes(Path) | FILE_ATTRIBUTE_READONLY);
	}

	FScopedReadOnly::~FScopedReadOnly()
	{
		::SetFileAttributesW(Path.wstring().c_str(), Attributes(Path) & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
	}

	void AgeFile(const std::filesystem::path& Path, int64 Seconds)
	{
		const HANDLE File = ::CreateFileW(Path.wstring().c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
			nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
		FILETIME Now;
		::GetSystemTimeAsFileTime(&Now);
		ULARGE_INTEGER Time;
		Time.LowPart = Now.dwLowDateTime;
		Time.HighPart = Now.dwHighDateTime;
		Time.QuadPart -= static_cast<uint64>(Seconds) * 10000000;
		FILETIME Written;
		Written.dwLowDateTime = Time.LowPart;
		Written.dwHighDateTime = Time.HighPart;
		const bool bSet = File != INVALID_HANDLE_VALUE && ::SetFileTime(File, nullptr, nullptr, &Written);
		const DWORD Error = ::GetLastError();
		if (File != INVALID_HANDLE_VALUE)
		{
			::CloseHandle(File);
		}
		if (!bSet)
		{
			throw std::runtime_error("SetFileTime failed: " + std::to_string(Error));
		}
	}

	std::wstring AccessControlText(const std::filesystem::path& Path)
	{
		DWORD Needed = 0;
		::GetFileSecurityW(Path.wstring().c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &Needed);
		std::vector<uint8> Descriptor(Needed);
		LPWSTR Text = nullptr;
		if (Needed == 0 || !::GetFileSecurityW(Path.wstring().c_str(), DACL_SECURITY_INFORMATION, Descriptor.data(), Needed, &Needed)
			|| !::ConvertSecurityDescriptorToStringSecurityDescriptorW(Descriptor.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &Text, nullptr))
		{
			return L"(unreadable)";
		}
		std::wstring Result(Text);
		::LocalFree(Text);
		return Result;
	}

	void SetAccessControl(const std::filesystem::path& Path, std::wstring_view Text)
	{
		PSECURITY_DESCRIPTOR Descriptor = nullptr;
		if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(std::wstring(Text).c_str(), SDDL_REVISION_1, &Descriptor, nullptr))
		{
			throw std::runtime_error("bad security descriptor text");
		}
		const BOOL bSet = ::SetFileSecurityW(Path.wstring().c_str(), DACL_SECURITY_INFORMATION, Descriptor);
		::LocalFree(Descriptor);
		if (!bSet)
		{
			throw std::runtime_error("SetFileSecurityW failed: " + std::to_string(::GetLastError()));
		}
	}

	std::wstring OwnerOnlyAccessControl()
	{
		HANDLE Token = nullptr;
		::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &Token);
		DWORD Needed = 0;
		::GetTokenInformation(Token, TokenUser, nullptr, 0, &Needed);
		std::vector<uint8> User(Needed);
		LPWSTR Sid = nullptr;
		const bool bRead = ::GetTokenInformation(Token, TokenUser, User.data(), Needed, &Needed)
			&& ::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(User.data())->User.Sid, &Sid);
		::CloseHandle(Token);
		if (!bRead)
		{
			throw std::runtime_error("the process's account could not be read");
		}
		std::wstring Text = L"D:P(A;;FA;;;SY)(A;;FA;;;" + std::wstring(Sid) + L")";
		::LocalFree(Sid);
		return Text;
	}

	FTestLink::FTestLink(const std::filesystem::path& Target, const std::filesystem::path& InLink, bool bInFolder)
		: Link(InLink), bFolder(bInFolder)
	{
		const DWORD Flags = (bFolder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
		// Wine answers success without making anything, so the link is looked for.
		if (::CreateSymbolicLinkW(Link.wstring().c_str(), Target.wstring().c_str(), Flags))
		{
			const DWORD LinkAttributes = Attributes(Link);
			if (LinkAttributes != INVALID_FILE_ATTRIBUTES && (LinkAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
			{
				return;
			}
		}
		const std::string UnixTarget = UnixPathOf(Target);
		const std::string UnixLink = UnixPathOf(Link);
		if (UnixTarget.empty() || UnixLink.empty())
		{
			WhyNot = "symbolic links need developer mode or an administrator on this system";
			return;
		}
		WhyNot = RunUnixProgram("/bin/ln", "-s " + Quoted(UnixTarget) + " " + Quoted(UnixLink), Link, true);
		bUnix = WhyNot.empty();
	}

	FTestLink::~FTestLink()
	{
		if (bUnix)
		{
			// Wine deletes what a Unix link points to when asked to delete the link.
			RunUnixProgram("/bin/rm", "-f " + Quoted(UnixPathOf(Link)), Link, false);
		}
		else if (WhyNot.empty())
		{
			bFolder ? ::RemoveDirectoryW(Link.wstring().c_str()) : ::DeleteFileW(Link.wstring().c_str());
		}
	}
}
