// FChildProcess on POSIX: fork and exec, with pipes (or a pseudo-terminal)
// on standard input and output.
#include "Posix/ChildProcess.h"

#include "Posix/PosixTestSupport.h"

#include <cerrno>
#include <cstddef>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace
{
	void CloseEnds(int (&Ends)[2])
	{
		for (int& End : Ends)
		{
			if (End >= 0)
			{
				close(End);
				End = -1;
			}
		}
	}

	/** A pipe, or a pseudo-terminal in raw mode so that its bytes arrive unchanged; both ends close-on-exec. */
	bool OpenOutput(bool bTerminal, int (&Ends)[2])
	{
		if (!bTerminal)
		{
			return pipe2(Ends, O_CLOEXEC) == 0;
		}
		termios Raw{};
		cfmakeraw(&Raw);
		if (openpty(&Ends[0], &Ends[1], nullptr, &Raw, nullptr) != 0)
		{
			return false;
		}
		fcntl(Ends[0], F_SETFD, FD_CLOEXEC);
		fcntl(Ends[1], F_SETFD, FD_CLOEXEC);
		return true;
	}

	/**
	 * In the forked child: its signals, standard streams and user, then the
	 * program. Only calls that are safe after a fork. Writes errno on Report
	 * when it cannot start.
	 */
	[[noreturn]] void RunChild(char* const* Argv, const std::string& ErrorFile, const FChildMode& Mode, int InputEnd, int OutputEnd, int Report)
	{
		for (const int Signal : {SIGTERM, SIGHUP, SIGINT, SIGPIPE})
		{
			signal(Signal, SIG_DFL);
		}
		sigset_t NoneBlocked;
		sigemptyset(&NoneBlocked);
		sigprocmask(SIG_SETMASK, &NoneBlocked, nullptr);

		bool bReady = dup2(InputEnd, STDIN_FILENO) >= 0 && dup2(OutputEnd, STDOUT_FILENO) >= 0;
		if (bReady && !ErrorFile.empty())
		{
			const int Error = open(ErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
			bReady = Error >= 0 && dup2(Error, STDERR_FILENO) >= 0;
		}
		if (bReady && Mode.bAsOrdinaryUser && IsSuperuser())
		{
			bReady = TakeOrdinaryUserIds();
		}
		if (bReady)
		{
			execv(Argv[0], Argv);
		}
		const int Failure = errno != 0 ? errno : EPERM;
		while (write(Report, &Failure, sizeof(Failure)) < 0 && errno == EINTR)
		{
		}
		_exit(127);
	}
}

FChildProcess::~FChildProcess()
{
	if (Id > 0)
	{
		kill(Id, SIGKILL);
		Wait();
	}
	CloseInput();
	if (OutputPipe >= 0)
	{
		close(OutputPipe);
	}
}

bool FChildProcess::Start(const std::vector<std::string>& Arguments, const std::string& ErrorFile, const FChildMode& Mode)
{
	// Close-on-exec, so that no other child holds an end of them: the output
	// ends when this child does, and its input when the test closes it. The
	// report pipe closes at the child's exec; before that, the child writes
	// on it why it could not start.
	int Input[2] = {-1, -1};
	int Pipe[2] = {-1, -1};
	int Report[2] = {-1, -1};
	if (Arguments.empty() || Id > 0 || pipe2(Input, O_CLOEXEC) != 0 || !OpenOutput(Mode.bOutputToTerminal, Pipe) || pipe2(Report, O_CLOEXEC) != 0)
	{
		CloseEnds(Input);
		CloseEnds(Pipe);
		return false;
	}
	std::vector<char*> Argv;
	for (const std::string& Argument : Arguments)
	{
		Argv.push_back(const_cast<char*>(Argument.c_str()));
	}
	Argv.push_back(nullptr);
	std::fflush(nullptr);
	const pid_t Child = fork();
	if (Child == 0)
	{
		RunChild(Argv.data(), ErrorFile, Mode, Input[0], Pipe[1], Report[1]);
	}
	close(Input[0]);
	close(Pipe[1]);
	close(Report[1]);
	int Failure = 0;
	ssize_t Reported = -1;
	while ((Reported = read(Report[0], &Failure, sizeof(Failure))) < 0 && errno == EINTR)
	{
	}
	close(Report[0]);
	if (Child < 0 || Reported != 0)
	{
		while (Child > 0 && waitpid(Child, nullptr, 0) < 0 && errno == EINTR)
		{
		}
		close(Input[1]);
		close(Pipe[0]);
		return false;
	}
	Id = Child;
	InputPipe = Input[1];
	OutputPipe = Pipe[0];
	Output.clear();
	return true;
}

bool FChildProcess::WriteInput(std::string_view Text)
{
	while (!Text.empty() && InputPipe >= 0)
	{
		const ssize_t Written = write(InputPipe, Text.data(), Text.size());
		if (Written < 0 && errno != EINTR)
		{
			return false;
		}
		Text.remove_prefix(Written > 0 ? static_cast<std::size_t>(Written) : 0);
	}
	return Text.empty();
}

void FChildProcess::CloseInput()
{
	if (InputPipe >= 0)
	{
		close(InputPipe);
		InputPipe = -1;
	}
}

bool FChildProcess::ReadOnce(std::chrono::milliseconds Timeout)
{
	if (OutputPipe < 0)
	{
		return false;
	}
	pollfd Poll = {OutputPipe, POLLIN, 0};
	const int Ready = poll(&Poll, 1, static_cast<int>(Timeout.count()));
	if (Ready < 0)
	{
		return errno == EINTR;
	}
	if (Ready == 0)
	{
		return true;
	}
	char Buffer[4096];
	const ssize_t Count = read(OutputPipe, Buffer, sizeof(Buffer));
	if (Count > 0)
	{
		Output.append(Buffer, static_cast<size_t>(Count));
		return true;
	}
	if (Count < 0 && errno == EINTR)
	{
		return true;
	}
	close(OutputPipe);
	OutputPipe = -1;
	return false;
}

bool FChildProcess::WaitForOutput(std::string_view Text, std::chrono::milliseconds Timeout)
{
	const auto Deadline = std::chrono::steady_clock::now() + Timeout;
	while (Output.find(Text) == std::string::npos)
	{
		const auto Left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - std::chrono::steady_clock::now());
		if (Left.count() <= 0 || !ReadOnce(Left))
		{
			return Output.find(Text) != std::string::npos;
		}
	}
	return true;
}

void FChildProcess::ReadAvailableOutput()
{
	for (std::size_t Before = Output.size() + 1; Before != Output.size();)
	{
		Before = Output.size();
		if (!ReadOnce(std::chrono::milliseconds(0)))
		{
			return;
		}
	}
}

bool FChildProcess::SendSignal(int Signal) const
{
	return Id > 0 && kill(Id, Signal) == 0;
}

FChildEnd FChildProcess::Wait()
{
	CloseInput();
	while (ReadOnce(std::chrono::milliseconds(-1)))
	{
	}
	FChildEnd End;
	if (Id <= 0)
	{
		return End;
	}
	int Status = 0;
	while (waitpid(Id, &Status, 0) < 0 && errno == EINTR)
	{
	}
	Id = -1;
	End.bExited = WIFEXITED(Status);
	End.Code = End.bExited ? WEXITSTATUS(Status) : WIFSIGNALED(Status) ? WTERMSIG(Status) : -1;
	return End;
}
