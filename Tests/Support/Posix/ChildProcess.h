// A program started by a test with its standard output on a pipe, so that
// the test can wait for what it prints, send it signals at a known moment
// and read how it ended.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

/** What a child's standard output is, and who it runs as. */
struct FChildMode
{
	/** Standard output is a pseudo-terminal in raw mode, so its bytes arrive unchanged. */
	bool bOutputToTerminal = false;
	/** As the superuser, the child takes OrdinaryUserId's ids before it starts the program. */
	bool bAsOrdinaryUser = false;
};

/** How a child process ended. */
struct FChildEnd
{
	/** True when it exited; false when a signal killed it. */
	bool bExited = false;
	/** The exit status, or the number of the signal that killed it. */
	int Code = -1;
};

class FChildProcess
{
public:
	FChildProcess() = default;
	/** A child still running is killed with SIGKILL and waited for. */
	~FChildProcess();

	FChildProcess(const FChildProcess&) = delete;
	FChildProcess& operator=(const FChildProcess&) = delete;

	/**
	 * Starts Arguments[0] (a path, not looked up) with the rest as its
	 * arguments. Standard input is a pipe that WriteInput writes to, kept
	 * open until CloseInput or the end; standard output is a pipe, or a
	 * pseudo-terminal as Mode asks; standard error goes to ErrorFile, or
	 * stays the test's when that is empty. The child starts with no signal
	 * blocked and SIGTERM, SIGHUP, SIGINT and SIGPIPE at their defaults,
	 * whatever the test runner left. False when it cannot start.
	 */
	bool Start(const std::vector<std::string>& Arguments, const std::string& ErrorFile = std::string(), const FChildMode& Mode = FChildMode());

	/** Writes all of Text to the child's standard input; false when it cannot. */
	bool WriteInput(std::string_view Text);
	/** Ends the child's standard input. */
	void CloseInput();

	/** Reads the child's output until it holds Text (true), the output ends or Timeout passes (false). */
	bool WaitForOutput(std::string_view Text, std::chrono::milliseconds Timeout);
	/** Reads whatever output is there without waiting. */
	void ReadAvailableOutput();

	/** Sends Signal to the child; false when it is not running. */
	bool SendSignal(int Signal) const;

	/** Reads the rest of the output, then waits for the child to end. */
	FChildEnd Wait();

	pid_t GetId() const { return Id; }
	/** Everything read from the child's standard output so far. */
	const std::string& GetOutput() const { return Output; }

private:
	/** Reads once, waiting up to Timeout for something to read; false at the end of the output. */
	bool ReadOnce(std::chrono::milliseconds Timeout);

	pid_t Id = -1;
	int InputPipe = -1;
	int OutputPipe = -1;
	std::string Output;
};
