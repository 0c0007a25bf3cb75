#include "RoundTripChild.h"

#include "JsonPeer.h"

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace
{
	const char* const ReportFormat = "seconds=%lf cpu_seconds=%lf peak_kib=%ld baseline_kib=%ld thp_disabled=%d";

	/** A "Name:   123 kB" field of /proc/self/status, in KiB; 0 when absent. */
	long ReadStatusKib(const std::string& Field)
	{
		std::ifstream Status("/proc/self/status");
		std::string Line;
		while (std::getline(Status, Line))
		{
			if (Line.compare(0, Field.size(), Field) == 0)
			{
				return std::atol(Line.c_str() + Field.size());
			}
		}
		return 0;
	}

	const FJsonPeer* FindPeer(const std::string& Name)
	{
		for (const FJsonPeer* Peer : JsonPeers)
		{
			if (Name == Peer->Name)
			{
				return Peer;
			}
		}
		return nullptr;
	}

	double CpuSeconds(const rusage& Usage)
	{
		const auto Seconds = [](const timeval& Time) { return static_cast<double>(Time.tv_sec) + static_cast<double>(Time.tv_usec) * 1e-6; };
		return Seconds(Usage.ru_utime) + Seconds(Usage.ru_stime);
	}

	double OwnCpuSeconds()
	{
		rusage Usage{};
		getrusage(RUSAGE_SELF, &Usage);
		return CpuSeconds(Usage);
	}

	double SecondsSince(std::chrono::steady_clock::time_point Start)
	{
		return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
	}

	/** Runs `hmd-json format InputPath` with its standard output in OutputPath. */
	std::optional<RoundTripChild::FReport> RunProgram(const char* InputPath, const char* OutputPath)
	{
		const std::string Program = RoundTripChild::ProgramPath().string();
		RoundTripChild::FReport Result;
		Result.BaselineKib = ReadStatusKib("VmHWM:");
		const auto Start = std::chrono::steady_clock::now();
		const pid_t Child = fork();
		if (Child < 0)
		{
			return std::nullopt;
		}
		if (Child == 0)
		{
			const int Output = open(OutputPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
			if (Output < 0 || dup2(Output, STDOUT_FILENO) < 0)
			{
				_exit(126);
			}
			execl(Program.c_str(), RoundTripChild::ProgramName, "format", InputPath, static_cast<char*>(nullptr));
			_exit(127);
		}
		int Status = 0;
		rusage Usage{};
		if (wait4(Child, &Status, 0, &Usage) != Child || !WIFEXITED(Status) || WEXITSTATUS(Status) != 0)
		{
			return std::nullopt;
		}
		Result.Seconds = SecondsSince(Start);
		Result.CpuSeconds = CpuSeconds(Usage);
		Result.PeakKib = Usage.ru_maxrss;
		return Result;
	}

	std::optional<RoundTripChild::FReport> RunPeer(const FJsonPeer& Peer, const char* InputPath, const char* OutputPath)
	{
		RoundTripChild::FReport Result;
		Result.BaselineKib = ReadStatusKib("VmHWM:");
		const double StartCpu = OwnCpuSeconds();
		const auto Start = std::chrono::steady_clock::now();
		if (!Peer.RoundTrip(InputPath, OutputPath))
		{
			return std::nullopt;
		}
		Result.Seconds = SecondsSince(Start);
		Result.CpuSeconds = OwnCpuSeconds() - StartCpu;
		Result.PeakKib = ReadStatusKib("VmHWM:");
		return Result;
	}
}

namespace RoundTripChild
{
	std::filesystem::path ProgramPath()
	{
		return std::filesystem::read_symlink("/proc/self/exe").parent_path() / ProgramName;
	}

	int Run(const std::string& Name, const char* InputPath, const char* OutputPath)
	{
		const FJsonPeer* Peer = FindPeer(Name);
		if (Peer == nullptr && Name != ProgramName)
		{
			std::fprintf(stderr, "json-bench: no implementation named '%s'\n", Name.c_str());
			return 2;
		}
		std::optional<FReport> Result = Peer ? RunPeer(*Peer, InputPath, OutputPath) : RunProgram(InputPath, OutputPath);
		if (!Result)
		{
			std::fprintf(stderr, "json-bench: the %s round trip of '%s' failed\n", Name.c_str(), InputPath);
			return 1;
		}
		// The setting is inherited by the program started above, so the child's own tells for both.
		Result->bHugePagesDisabled = prctl(PR_GET_THP_DISABLE, 0, 0, 0, 0) == 1;
		std::printf("seconds=%.6f cpu_seconds=%.6f peak_kib=%ld baseline_kib=%ld thp_disabled=%d\n", Result->Seconds,
			Result->CpuSeconds, Result->PeakKib, Result->BaselineKib, Result->bHugePagesDisabled ? 1 : 0);
		return 0;
	}

	std::optional<FReport> ParseReport(const std::string& Line)
	{
		FReport Report;
		int bDisabled = 0;
		if (std::sscanf(Line.c_str(), ReportFormat, &Report.Seconds, &Report.CpuSeconds, &Report.PeakKib,
				&Report.BaselineKib, &bDisabled) != 5)
		{
			return std::nullopt;
		}
		Report.bHugePagesDisabled = bDisabled != 0;
		return Report;
	}
}
