// json-bench: our JSON reader and writer against RapidJSON and nlohmann::json
// on the same generated documents, then the whole `hmd-json format` round
// trip in fresh processes for time and peak memory.
//
//   json-bench [Google Benchmark flags] [--no-process-round-trip]
#include "BenchDocuments.h"
#include "FileBytes.h"
#include "JsonPeer.h"
#include "ProcessRoundTrip.h"
#include "RatioReporter.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace
{
	const char* const NoProcessRoundTripFlag = "--no-process-round-trip";
	const char* const RoundTripDocument = "Mixed32MB";
	constexpr int ProcessRuns = 3;

	/** Removes Flag from the arguments; true when it was there. */
	bool TakeFlag(int& Argc, char** Argv, const char* Flag)
	{
		for (int Index = 1; Index < Argc; ++Index)
		{
			if (std::strcmp(Argv[Index], Flag) == 0)
			{
				std::memmove(Argv + Index, Argv + Index + 1, sizeof(char*) * static_cast<size_t>(Argc - Index));
				--Argc;
				return true;
			}
		}
		return false;
	}

	template <typename BodyType>
	void RegisterFor(const std::string& Operation, const FBenchDocument& Document, const FJsonPeer& Peer, BodyType Body)
	{
		benchmark::internal::Benchmark* Bench =
			benchmark::RegisterBenchmark((Operation + "/" + Document.Name + "/" + Peer.Name).c_str(), Body);
		if (Document.Utf8.size() > (size_t{8} << 20))
		{
			// About a second per iteration: a few are enough.
			Bench->Unit(benchmark::kMillisecond)->Iterations(3);
		}
		else if (Document.Utf8.size() > (size_t{64} << 10))
		{
			Bench->Unit(benchmark::kMillisecond);
		}
		else
		{
			Bench->Unit(benchmark::kMicrosecond);
		}
		Bench->UseRealTime();
	}
}

int main(int Argc, char** Argv)
{
	if (Argc == 4 && std::strncmp(Argv[1], ProcessRoundTrip::ChildFlag, std::strlen(ProcessRoundTrip::ChildFlag)) == 0)
	{
		return ProcessRoundTrip::RunChild(Argv[1] + std::strlen(ProcessRoundTrip::ChildFlag), Argv[2], Argv[3]);
	}
	const bool bProcessRoundTrip = !TakeFlag(Argc, Argv, NoProcessRoundTripFlag);
	benchmark::Initialize(&Argc, Argv);
	if (benchmark::ReportUnrecognizedArguments(Argc, Argv))
	{
		return 1;
	}

	const std::vector<FBenchDocument> Documents = BenchDocuments::MakeAll();

	const std::filesystem::path Folder = std::filesystem::temp_directory_path();
	const std::string Stem = (Folder / ("hmd-json-bench-" + std::to_string(getpid()))).string();
	const std::string RoundTripInput = Stem + "-" + RoundTripDocument + ".json";
	const std::string RoundTripOutput = Stem + "-output.json";

	for (const FBenchDocument& Document : Documents)
	{
		for (const FJsonPeer* Peer : JsonPeers)
		{
			RegisterFor("Read", Document, *Peer, [Peer, &Document](benchmark::State& State) { Peer->Read(State, Document); });
			RegisterFor("Write", Document, *Peer, [Peer, &Document](benchmark::State& State) { Peer->Write(State, Document); });
		}
		if (Document.Name != RoundTripDocument)
		{
			continue;
		}
		FileBytes::Save(RoundTripInput.c_str(), reinterpret_cast<const uint8_t*>(Document.Utf8.data()), Document.Utf8.size());
		for (const FJsonPeer* Peer : JsonPeers)
		{
			RegisterFor("RoundTrip", Document, *Peer, [Peer, &RoundTripInput, &RoundTripOutput](benchmark::State& State) {
				for (auto _ : State)
				{
					if (!Peer->RoundTrip(RoundTripInput.c_str(), RoundTripOutput.c_str()))
					{
						State.SkipWithError("the round trip failed");
						break;
					}
				}
			});
		}
	}

	FRatioReporter Reporter;
	benchmark::RunSpecifiedBenchmarks(&Reporter);
	if (bProcessRoundTrip)
	{
		ProcessRoundTrip::MeasureAll(std::filesystem::read_symlink("/proc/self/exe").string(), RoundTripInput, ProcessRuns);
	}
	std::filesystem::remove(RoundTripInput);
	std::filesystem::remove(RoundTripOutput);
	benchmark::Shutdown();
	return 0;
}
