// json-bench: our JSON reader and writer against RapidJSON and nlohmann::json
// on the same generated documents, then the whole `hmd-json format` round
// trip in fresh processes for time and peak memory, with and without
// transparent huge pages.
//
//   json-bench [Google Benchmark flags] [--no-process-round-trip] [--pairs=N]
//   json-bench --save-document=PATH [--document-mb=N]
//       (writes the mixed document, 32 MB or N MB, and stops)
#include "BenchDocuments.h"
#include "FileBytes.h"
#include "JsonPeer.h"
#include "ProcessRoundTrip.h"
#include "RatioReporter.h"
#include "RoundTripChild.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace
{
	const char* const NoProcessRoundTripFlag = "--no-process-round-trip";
	const char* const PairsFlag = "--pairs=";
	const char* const SaveDocumentFlag = "--save-document=";
	const char* const DocumentMbFlag = "--document-mb=";
	const char* const RoundTripDocument = "Mixed32MB";
	constexpr int DefaultPairs = 9;
	constexpr int InProcessRepetitions = 5;

	/** Removes Argv[Index] from the arguments. */
	void RemoveArgument(int& Argc, char** Argv, int Index)
	{
		std::memmove(Argv + Index, Argv + Index + 1, sizeof(char*) * static_cast<size_t>(Argc - Index));
		--Argc;
	}

	/** Removes Flag from the arguments; true when it was there. */
	bool TakeFlag(int& Argc, char** Argv, const char* Flag)
	{
		for (int Index = 1; Index < Argc; ++Index)
		{
			if (std::strcmp(Argv[Index], Flag) == 0)
			{
				RemoveArgument(Argc, Argv, Index);
				return true;
			}
		}
		return false;
	}

	/** Removes "<Prefix><value>" from the arguments and returns the value; nothing when it is not there. */
	std::optional<std::string> TakeValue(int& Argc, char** Argv, const char* Prefix)
	{
		for (int Index = 1; Index < Argc; ++Index)
		{
			if (std::strncmp(Argv[Index], Prefix, std::strlen(Prefix)) == 0)
			{
				std::string Value = Argv[Index] + std::strlen(Prefix);
				RemoveArgument(Argc, Argv, Index);
				return Value;
			}
		}
		return std::nullopt;
	}

	/** A whole number from 1 to 1000; nothing for anything else. */
	std::optional<int> ParseCount(const std::string& Text)
	{
		char* End = nullptr;
		const long Value = std::strtol(Text.c_str(), &End, 10);
		if (Text.empty() || *End != '\0' || Value < 1 || Value > 1000)
		{
			return std::nullopt;
		}
		return static_cast<int>(Value);
	}

	template <typename BodyType>
	void RegisterFor(const std::string& Operation, const FBenchDocument& Document, const FJsonPeer& Peer, BodyType Body)
	{
		const size_t Bytes = Document.Utf8.size();
		benchmark::internal::Benchmark* Bench = benchmark::RegisterBenchmark(
			(Operation + "/" + Document.Name + "/" + Peer.Name).c_str(), [Body, Bytes](benchmark::State& State) {
				Body(State);
				State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(Bytes));
			});
		if (Bytes > (size_t{8} << 20))
		{
			// Up to a few seconds per iteration: a few are enough, and they keep the whole run short.
			Bench->Unit(benchmark::kMillisecond)->Iterations(3);
		}
		if (Bytes > (size_t{16} << 20) && Operation != "RoundTrip")
		{
			// The reading and writing the targets are stated on: repeated, so
			// that their ratios are of medians, which a busy moment moves less.
			Bench->Repetitions(InProcessRepetitions);
		}
		else if (Bytes > (size_t{64} << 10))
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
	if (Argc == 4 && std::strncmp(Argv[1], RoundTripChild::Flag, std::strlen(RoundTripChild::Flag)) == 0)
	{
		return RoundTripChild::Run(Argv[1] + std::strlen(RoundTripChild::Flag), Argv[2], Argv[3]);
	}
	if (const std::optional<std::string> SavePath = TakeValue(Argc, Argv, SaveDocumentFlag))
	{
		// The round trip's document, or a smaller one of the same records, for
		// timing programs by hand (or counting their instructions) on the same bytes.
		const std::optional<std::string> MbText = TakeValue(Argc, Argv, DocumentMbFlag);
		const std::optional<int> Mb = MbText ? ParseCount(*MbText) : 32;
		if (!Mb)
		{
			std::fprintf(stderr, "json-bench: %s needs a whole number from 1 to 1000, not '%s'\n", DocumentMbFlag, MbText->c_str());
			return 2;
		}
		const FBenchDocument Document = BenchDocuments::MakeMixed(RoundTripDocument, static_cast<size_t>(*Mb) << 20);
		if (!FileBytes::Save(SavePath->c_str(), reinterpret_cast<const uint8_t*>(Document.Utf8.data()), Document.Utf8.size()))
		{
			std::fprintf(stderr, "json-bench: cannot write '%s'\n", SavePath->c_str());
			return 2;
		}
		return 0;
	}
	const bool bProcessRoundTrip = !TakeFlag(Argc, Argv, NoProcessRoundTripFlag);
	const std::optional<std::string> PairsText = TakeValue(Argc, Argv, PairsFlag);
	const std::optional<int> Pairs = PairsText ? ParseCount(*PairsText) : DefaultPairs;
	if (!Pairs)
	{
		std::fprintf(stderr, "json-bench: %s needs a whole number from 1 to 1000, not '%s'\n", PairsFlag, PairsText->c_str());
		return 2;
	}
	// Repetitions of different measures run interleaved, so that ours and each
	// peer's alternate rather than run in separate stretches of time.
	std::vector<char*> Arguments(Argv, Argv + Argc);
	char Interleave[] = "--benchmark_enable_random_interleaving=true";
	Arguments.insert(Arguments.begin() + 1, Interleave);
	int ArgumentCount = static_cast<int>(Arguments.size());
	Arguments.push_back(nullptr);
	Argc = ArgumentCount;
	Argv = Arguments.data();
	benchmark::Initialize(&Argc, Argv);
	if (benchmark::ReportUnrecognizedArguments(Argc, Argv))
	{
		return 1;
	}

	const std::vector<FBenchDocument> Documents = BenchDocuments::MakeAll();
	std::map<std::string, size_t> DocumentBytes;
	for (const FBenchDocument& Document : Documents)
	{
		DocumentBytes[Document.Name] = Document.Utf8.size();
	}

	const std::filesystem::path Folder = std::filesystem::temp_directory_path();
	const std::string Stem = (Folder / ("hmd-json-bench-" + std::to_string(getpid()))).string();
	const std::string RoundTripInput = Stem + "-" + RoundTripDocument + ".json";
	const std::string RoundTripOutput = Stem + "-output.json";

	std::vector<std::string> MeasureOrder;
	for (const FBenchDocument& Document : Documents)
	{
		MeasureOrder.push_back("Read/" + Document.Name);
		MeasureOrder.push_back("Write/" + Document.Name);
		for (const FJsonPeer* Peer : JsonPeers)
		{
			RegisterFor("Read", Document, *Peer, [Peer, &Document](benchmark::State& State) { Peer->Read(State, Document); });
			RegisterFor("Write", Document, *Peer, [Peer, &Document](benchmark::State& State) { Peer->Write(State, Document); });
		}
		if (Document.Name != RoundTripDocument)
		{
			continue;
		}
		MeasureOrder.push_back("RoundTrip/" + Document.Name);
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

	FRatioReporter Reporter(std::move(DocumentBytes), std::move(MeasureOrder));
	benchmark::RunSpecifiedBenchmarks(&Reporter);
	if (bProcessRoundTrip)
	{
		ProcessRoundTrip::MeasureAll(std::filesystem::read_symlink("/proc/self/exe").string(), RoundTripInput, *Pairs);
	}
	std::filesystem::remove(RoundTripInput);
	std::filesystem::remove(RoundTripOutput);
	benchmark::Shutdown();
	return 0;
}
