// One JSON implementation under measurement: ours or a peer library, each
// doing the same work on the same documents.
#pragma once

#include "BenchDocuments.h"

#include <benchmark/benchmark.h>

struct FJsonPeer
{
	/** The name that ends each benchmark's name ("Ours", "RapidJSON", "nlohmann"). */
	const char* Name;

	/** Text to tree, the tree released in each iteration. */
	void (*Read)(benchmark::State& State, const FBenchDocument& Document);

	/** Tree to pretty text with tab indentation; the tree is built before timing. */
	void (*Write)(benchmark::State& State, const FBenchDocument& Document);

	/**
	 * What `hmd-json format` does, once: read the input file, decode it, parse,
	 * write the pretty text, encode it and write it to the output file.
	 * False when the input does not read back as a document.
	 */
	bool (*RoundTrip)(const char* InputPath, const char* OutputPath);
};

extern const FJsonPeer OursPeer;
extern const FJsonPeer RapidJsonPeer;
extern const FJsonPeer NlohmannPeer;

/** Every implementation measured, ours first. */
inline const FJsonPeer* const JsonPeers[] = {&OursPeer, &RapidJsonPeer, &NlohmannPeer};
