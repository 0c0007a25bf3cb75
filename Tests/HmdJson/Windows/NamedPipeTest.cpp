// A named pipe as INPUT on Windows: the test serves the pipe from a thread
// of its own while the program reads it to its end.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace
{
	/** Serves Bytes once on the pipe named Name, to the first reader that connects. */
	class FPipeServer
	{
	public:
		FPipeServer(const std::string& Name, const std::string& Bytes)
		{
			const std::wstring WideName(Name.begin(), Name.end());
			Pipe = ::CreateNamedPipeW(WideName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 65536, 65536, 0, nullptr);
			EXPECT_NE(Pipe, INVALID_HANDLE_VALUE) << "no named pipe " << Name;
			Server = std::thread([this, Bytes]
			{
				if (Pipe == INVALID_HANDLE_VALUE)
				{
					return;
				}
				if (::ConnectNamedPipe(Pipe, nullptr) || ::GetLastError() == ERROR_PIPE_CONNECTED)
				{
					DWORD Written = 0;
					::WriteFile(Pipe, Bytes.data(), static_cast<DWORD>(Bytes.size()), &Written, nullptr);
					// Closing ends the stream after the bytes; disconnecting would throw away what is unread.
					::FlushFileBuffers(Pipe);
				}
				::CloseHandle(Pipe);
			});
		}
		~FPipeServer()
		{
			Server.join();
		}
		FPipeServer(const FPipeServer&) = delete;
		FPipeServer& operator=(const FPipeServer&) = delete;

	private:
		HANDLE Pipe = INVALID_HANDLE_VALUE;
		std::thread Server;
	};
}

TEST(HmdJsonNamedPipe, BothCommandsReadANamedPipeToItsEnd)
{
	struct FCase { const char* Name; std::string Command; std::string Out; };
	const FCase Cases[] = {
		{"format", "format", SettingsText},
		{"check", "check", "SubjectName: \"HMD1\"\nEnableLogging: true\n"},
	};
	for (const FCase& Case : Cases)
	{
		const std::string PipeName = "\\\\.\\pipe\\" + FileStem() + "_" + Case.Name;
		const FPipeServer Server(PipeName, "{\"SubjectName\":\"HMD1\",\"EnableLogging\":true}");
		const FRun Run = RunProgram(Case.Command + " " + PipeName);
		EXPECT_EQ(Run.ExitCode, 0) << Case.Name;
		EXPECT_EQ(Run.Out, Case.Out) << Case.Name;
		EXPECT_EQ(Run.Err, "") << Case.Name;
	}
}
