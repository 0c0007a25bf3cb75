#include "ProcessRoundTrip.h"

#include "FileBytes.h"
#include "RatioReporter.h"
#include "JsonPeer.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

namespace
{
	const char* const ProgramName = "hmd-json";

	struct FRunResult
	{
		double Seconds = 0.0;
		/** User and system time: on a busy machine it varies less than the wall time. */
		double CpuSeconds = 0.0;
		long PeakKib = 0;
		long BaselineKib = 0;
	};

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

	std::filesystem::path ProgramPath()
	{
		return std::filesystem::read_symlink("/proc/self/exe").parent_path() / ProgramName;
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
	std::optional<FRunResult> RunProgram(const char* InputPath, const char* OutputPath)
	{
		const std::string Program = ProgramPath().string();
		FRunResult Result;
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
			execl(Program.c_str(), ProgramName, "format", InputPath, static_cast<char*>(nullptr));
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

	std::optional<FRunResult> RunPeer(const FJsonPeer& Peer, const char* InputPath, const char* OutputPath)
	{
		FRunResult Result;
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

	std::string Quoted(const std::string& Text)
	{
		std::string Result = "'";
		for (const char Character : Text)
		{
			Result += Character == '\'' ? std::string("'\\''") : std::string(1, Character);
		}
		return Result + "'";
	}

	/** One fresh child process doing one round trip; nothing when it failed. */
	std::optional<FRunResult> RunChildProcess(
		const std::string& SelfPath, const std::string& Name, const std::string& InputPath, const std::string& OutputPath)
	{
		const std::string Command = Quoted(SelfPath) + " " + Quoted(ProcessRoundTrip::ChildFlag + Name) + " " +
			Quoted(InputPath) + " " + Quoted(OutputPath);
		std::FILE* Pipe = popen(Command.c_str(), "r");
		if (Pipe == nullptr)
		{
			return std::nullopt;
		}
		FRunResult Result;
		const int Fields = std::fscanf(Pipe, "seconds=%lf cpu_seconds=%lf peak_kib=%ld baseline_kib=%ld", &Result.Seconds,
			&Result.CpuSeconds, &Result.PeakKib, &Result.BaselineKib);
		const int Status = pclose(Pipe);
		if (Fields != 4 || Status != 0)
		{
			return std::nullopt;
		}
		return Result;
	}
}

namespace ProcessRoundTrip
{
	int RunChild(const std::string& Name, const char* InputPath, const char* OutputPath)
	{
		const FJsonPeer* Peer = FindPeer(Name);
		if (Peer == nullptr && Name != ProgramName)
		{
			std::fprintf(stderr, "json-bench: no implementation named '%s'\n", Name.c_str());
			return 2;
		}
		const std::optional<FRunResult> Result =
			Peer ? RunPeer(*Peer, InputPath, OutputPath) : RunProgram(InputPath, OutputPath);
		if (!Result)
		{
			std::fprintf(stderr, "json-bench: the %s round trip of '%s' failed\n", Name.c_str(), InputPath);
			return 1;
		}
		std::printf("seconds=%.6f cpu_seconds=%.6f peak_kib=%ld baseline_kib=%ld\n", Result->Seconds, Result->CpuSeconds,
			Result->PeakKib, Result->BaselineKib);
		return 0;
	}

	void MeasureAll(const std::string& SelfPath, const std::string& InputPath, int Runs)
	{
		std::vector<std::string> Names;
		for (const FJsonPeer* Peer : JsonPeers)
		{
			Names.push_back(Peer->Name);
		}
		if (std::filesystem::exists(ProgramPath()))
		{
			Names.push_back(ProgramName);
		}
		const double InputMiB = static_cast<double>(std::filesystem::file_size(InputPath)) / (1024.0 * 1024.0);
		std::printf("\nRound trip of 'hmd-json format' on %s (%.1f MiB), fresh processes, best time of %d runs:\n",
			std::filesystem::path(InputPath).filename().c_str(), InputMiB, Runs);
		std::printf("%-12s %10s %12s %10s %14s %16s\n", "", "seconds", "CPU seconds", "MiB/s", "peak RSS MiB",
			"baseline MiB");

		std::vector<std::optional<FRunResult>> Best(Names.size());
		for (size_t Index = 0; Index < Names.size(); ++Index)
		{
			const std::string OutputPath = InputPath + "." + Names[Index] + ".out";
			for (int Run = 0; Run < Runs; ++Run)
			{
				const std::optional<FRunResult> Result = RunChildProcess(SelfPath, Names[Index], InputPath, OutputPath);
				if (!Result)
				{
					Best[Index].reset();
					break;
				}
				if (!Best[Index])
				{
					Best[Index] = Result;
				}
				Best[Index]->Seconds = std::min(Best[Index]->Seconds, Result->Seconds);
				Best[Index]->CpuSeconds = std::min(Best[Index]->CpuSeconds, Result->CpuSeconds);
				Best[Index]->PeakKib = std::max(Best[Index]->PeakKib, Result->PeakKib);
			}
			if (!Best[Index])
			{
				std::printf("%-12s failed\n", Names[Index].c_str());
				continue;
			}
			const FRunResult& Result = *Best[Index];
			std::printf("%-12s %10.3f %12.3f %10.1f %14.1f %16.1f\n", Names[Index].c_str(), Result.Seconds,
				Result.CpuSeconds, InputMiB / Result.Seconds, static_cast<double>(Result.PeakKib) / 1024.0,
				static_cast<double>(Result.BaselineKib) / 1024.0);
		}

		// Names: 0 ours in-process, 1 RapidJSON, 2 nlohmann, 3 the hmd-json program. The
		// targets are the program's; the library run in-process as the peers run
		// (whole text in memory, default heap) is shown beside it for reference.
		for (const size_t OursIndex : {size_t{0}, size_t{3}})
		{
			if (OursIndex >= Names.size() || !Best[OursIndex] || !Best[1] || !Best[2])
			{
				continue;
			}
			const FRunResult& Ours = *Best[OursIndex];
			const bool bTargeted = OursIndex == 3;
			const auto Target = [bTargeted](double Value) { return bTargeted ? std::optional<double>(Value) : std::nullopt; };
			PrintRatio("Time", Names[OursIndex], Names[1], Ours.Seconds / Best[1]->Seconds, Target(1.0));
			PrintRatio("CPU time", Names[OursIndex], Names[1], Ours.CpuSeconds / Best[1]->CpuSeconds, Target(1.0));
			PrintRatio("Time", Names[OursIndex], Names[2], Ours.Seconds / Best[2]->Seconds, Target(0.4));
			PrintRatio("CPU time", Names[OursIndex], Names[2], Ours.CpuSeconds / Best[2]->CpuSeconds, Target(0.4));
			PrintRatio("Peak memory", Names[OursIndex], Names[1],
				static_cast<double>(Ours.PeakKib) / static_cast<double>(Best[1]->PeakKib), Target(1.25));
		}
		if (Names.size() > 3 && Best[0] && Best[3])
		{
			const bool bSame = FileBytes::Load((InputPath + "." + Names[0] + ".out").c_str()) ==
				FileBytes::Load((InputPath + "." + Names[3] + ".out").c_str());
			std::printf("Ours and %s wrote %s bytes.\n", ProgramName, bSame ? "the same" : "DIFFERENT");
		}
		for (const std::string& Name : Names)
		{
			std::filesystem::remove(InputPath + "." + Name + ".out");
		}
		std::fflush(stdout);
	}
}
