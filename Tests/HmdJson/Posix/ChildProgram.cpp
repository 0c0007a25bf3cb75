#include "Posix/ChildProgram.h"

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace
{
	/** Reads what arrives on Descriptor into Out; false once it has ended (a terminal ends with EIO). */
	bool ReadSome(int Descriptor, std::string& Out)
	{
		char Buffer[65536];
		const ssize_t Count = ::read(Descriptor, Buffer, sizeof(Buffer));
		if (Count > 0)
		{
			Out.append(Buffer, static_cast<std::size_t>(Count));
			return true;
		}
		return Count < 0 && errno == EINTR;
	}

	[[noreturn]] void StartProgram(
		const std::vector<std::string>& Arguments, const FChildOptions& Options, int OutDescriptor, int ErrDescriptor)
	{
		const int Null = ::open("/dev/null", O_RDONLY);
		if (Null < 0 || ::dup2(Null, STDIN_FILENO) < 0 || ::dup2(OutDescriptor, STDOUT_FILENO) < 0
			|| ::dup2(ErrDescriptor, STDERR_FILENO) < 0)
		{
			::_exit(120);
		}
		if (Options.bAsOrdinaryUser && IsSuperuser() && !TakeOrdinaryUserIds())
		{
			::_exit(121);
		}
		const std::string Program = ProgramPath();
		std::vector<char*> Argv;
		Argv.push_back(const_cast<char*>(Program.c_str()));
		for (const std::string& Argument : Arguments)
		{
			Argv.push_back(const_cast<char*>(Argument.c_str()));
		}
		Argv.push_back(nullptr);
		::execv(Program.c_str(), Argv.data());
		::_exit(122);
	}
}

FChildRun RunChildProgram(const std::vector<std::string>& Arguments, const FChildOptions& Options)
{
	FChildRun Run;
	int OutPipe[2] = {-1, -1};
	int ErrPipe[2] = {-1, -1};
	if (Options.bOutputToTerminal)
	{
		termios Raw{};
		::cfmakeraw(&Raw);
		EXPECT_EQ(::openpty(&OutPipe[0], &OutPipe[1], nullptr, &Raw, nullptr), 0) << "no pseudo-terminal";
	}
	else
	{
		EXPECT_EQ(::pipe(OutPipe), 0);
	}
	EXPECT_EQ(::pipe(ErrPipe), 0);
	if (OutPipe[0] < 0 || ErrPipe[0] < 0)
	{
		return Run;
	}

	std::fflush(nullptr);
	const pid_t Child = ::fork();
	if (Child == 0)
	{
		::close(OutPipe[0]);
		::close(ErrPipe[0]);
		StartProgram(Arguments, Options, OutPipe[1], ErrPipe[1]);
	}
	::close(OutPipe[1]);
	::close(ErrPipe[1]);
	pollfd Ends[2] = {{OutPipe[0], POLLIN, 0}, {ErrPipe[0], POLLIN, 0}};
	std::string* const Targets[2] = {&Run.Out, &Run.Err};
	int Open = 2;
	while (Open > 0 && ::poll(Ends, 2, -1) >= 0)
	{
		for (int Index = 0; Index < 2; ++Index)
		{
			if (Ends[Index].fd >= 0 && Ends[Index].revents != 0 && !ReadSome(Ends[Index].fd, *Targets[Index]))
			{
				::close(Ends[Index].fd);
				Ends[Index].fd = -1;
				--Open;
			}
		}
	}
	int Status = 0;
	EXPECT_EQ(::waitpid(Child, &Status, 0), Child);
	Run.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
	return Run;
}
