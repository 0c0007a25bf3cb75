// FChildProcess on POSIX: posix_spawn with pipes on standard input and output.
#include "Posix/ChildProcess.h"

#include <cerrno>
#include <cstddef>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

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

bool FChildProcess::Start(const std::vector<std::string>& Arguments, const std::string& ErrorFile)
{
	// Close-on-exec, so that no other child holds an end of them: the output
	// ends when this child does, and its input when the test closes it.
	int Input[2];
	int Pipe[2];
	if (Arguments.empty() || Id > 0 || pipe2(Input, O_CLOEXEC) != 0)
	{
		return false;
	}
	if (pipe2(Pipe, O_CLOEXEC) != 0)
	{
		close(Input[0]);
		close(Input[1]);
		return false;
	}
	posix_spawn_file_actions_t Actions;
	posix_spawn_file_actions_init(&Actions);
	posix_spawn_file_actions_adddup2(&Actions, Input[0], STDIN_FILENO);
	posix_spawn_file_actions_adddup2(&Actions, Pipe[1], STDOUT_FILENO);
	if (!ErrorFile.empty())
	{
		posix_spawn_file_actions_addopen(&Actions, STDERR_FILENO, ErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	}

	posix_spawnattr_t Attributes;
	posix_spawnattr_init(&Attributes);
	sigset_t Defaults;
	sigemptyset(&Defaults);
	for (const int Signal : {SIGTERM, SIGHUP, SIGINT, SIGPIPE})
	{
		sigaddset(&Defaults, Signal);
	}
	sigset_t NoneBlocked;
	sigemptyset(&NoneBlocked);
	posix_spawnattr_setsigdefault(&Attributes, &Defaults);
	posix_spawnattr_setsigmask(&Attributes, &NoneBlocked);
	posix_spawnattr_setflags(&Attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

	std::vector<char*> Argv;
	for (const std::string& Argument : Arguments)
	{
		Argv.push_back(const_cast<char*>(Argument.c_str()));
	}
	Argv.push_back(nullptr);
	const int Result = posix_spawn(&Id, Arguments[0].c_str(), &Actions, &Attributes, Argv.data(), environ);
	posix_spawnattr_destroy(&Attributes);
	posix_spawn_file_actions_destroy(&Actions);
	close(Input[0]);
	close(Pipe[1]);
	if (Result != 0)
	{
		Id = -1;
		close(Input[1]);
		close(Pipe[0]);
		return false;
	}
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
