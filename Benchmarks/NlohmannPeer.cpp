// nlohmann::json: UTF-8 throughout, parse then dump with one tab per level.
#include "FileBytes.h"
#include "JsonPeer.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace
{
	void Read(benchmark::State& State, const FBenchDocument& Document)
	{
		for (auto _ : State)
		{
			nlohmann::json Tree = nlohmann::json::parse(Document.Utf8);
			benchmark::DoNotOptimize(Tree);
		}
	}

	void Write(benchmark::State& State, const FBenchDocument& Document)
	{
		const nlohmann::json Tree = nlohmann::json::parse(Document.Utf8);
		for (auto _ : State)
		{
			std::string Text = Tree.dump(1, '\t');
			benchmark::DoNotOptimize(Text);
		}
	}

	bool RoundTrip(const char* InputPath, const char* OutputPath)
	{
		std::string Text;
		{
			const std::vector<uint8_t> Bytes = FileBytes::Load(InputPath);
			const nlohmann::json Tree =
				nlohmann::json::parse(Bytes.begin(), Bytes.end(), nullptr, /*allow_exceptions*/ false);
			if (Tree.is_discarded())
			{
				return false;
			}
			Text = Tree.dump(1, '\t');
		}
		return FileBytes::Save(OutputPath, reinterpret_cast<const uint8_t*>(Text.data()), Text.size());
	}
}

const FJsonPeer NlohmannPeer = {"nlohmann", &Read, &Write, &RoundTrip};
