#include "BenchDocuments.h"

#include "Containers/StringConv.h"

#include <charconv>
#include <cstdint>

namespace
{
	/** A small deterministic generator, so every run measures the same text. */
	class FXorShift
	{
	public:
		explicit FXorShift(uint64_t Seed) : State(Seed) {}

		uint64_t Next()
		{
			State ^= State << 13;
			State ^= State >> 7;
			State ^= State << 17;
			return State;
		}
		int Below(int Bound) { return static_cast<int>(Next() % static_cast<uint64_t>(Bound)); }
		double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

	private:
		uint64_t State;
	};

	void AppendNumber(std::string& Out, double Value)
	{
		char Buffer[32];
		const auto Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::general, 17);
		Out.append(Buffer, Result.ptr);
	}

	void AppendInt(std::string& Out, long long Value)
	{
		char Buffer[24];
		const auto Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value);
		Out.append(Buffer, Result.ptr);
	}

	FBenchDocument Finish(std::string Name, std::string Utf8)
	{
		FBenchDocument Document;
		Document.Name = std::move(Name);
		Document.Text = StringConv::FromUtf8(Utf8);
		Document.Utf8 = std::move(Utf8);
		return Document;
	}

	// One record of the mixed document: every kind of value, escapes in
	// several strings, and a few non-ASCII characters as a person's names have.
	void AppendRecord(std::string& Out, FXorShift& Random, int Index)
	{
		static const char* const Words[] = {"alpha", "beta", "gamma", "delta", "Kalibrierung", "caf\xC3\xA9",
			"\xE6\xBC\xA2\xE5\xAD\x97", "sensor", "tracker", "lens"};
		const auto Word = [&Random]() { return Words[Random.Below(10)]; };

		Out += "{\"Id\": ";
		AppendInt(Out, Index);
		Out += ", \"Name\": \"Item ";
		AppendInt(Out, Index);
		Out += " \\\"";
		Out += Word();
		Out += "\\\"\", \"Path\": \"C:\\\\Orvek\\\\Config\\\\";
		Out += Word();
		Out += ".json\", \"Note\": \"first line\\nsecond\\tline \\u00e9\\/";
		Out += Word();
		Out += "\", \"Price\": ";
		AppendInt(Out, Random.Below(100000));
		Out += '.';
		AppendInt(Out, 10 + Random.Below(90));
		Out += ", \"Ratio\": ";
		AppendNumber(Out, Random.Unit());
		Out += ", \"Scale\": ";
		AppendNumber(Out, (Random.Unit() - 0.5) * 1e-7);
		Out += ", \"Enabled\": ";
		Out += Random.Below(2) ? "true" : "false";
		Out += ", \"Parent\": null, \"Tags\": [\"";
		Out += Word();
		Out += "\", \"";
		Out += Word();
		Out += "\", \"";
		Out += Word();
		Out += "\"], \"Samples\": [";
		for (int Sample = 0; Sample < 6; ++Sample)
		{
			if (Sample > 0)
			{
				Out += ", ";
			}
			AppendInt(Out, Random.Below(2000) - 1000);
		}
		Out += "], \"Child\": {\"X\": ";
		AppendInt(Out, Random.Below(4096));
		Out += ", \"Y\": ";
		Out += Random.Below(2) ? "true" : "false";
		Out += ", \"Label\": \"";
		Out += Word();
		Out += "\", \"Empty\": {}, \"None\": []}}";
	}
}

namespace BenchDocuments
{
	FBenchDocument MakeConfig()
	{
		return Finish("Config", "{\"SubjectName\": \"HMD1\", \"EnableLogging\": true}");
	}

	FBenchDocument MakeMixed(const std::string& Name, size_t TargetBytes)
	{
		FXorShift Random(0x9E3779B97F4A7C15ull);
		std::string Utf8 = "{\"Format\": \"mixed\", \"Version\": 3, \"Records\": [\n";
		Utf8.reserve(TargetBytes + 1024);
		for (int Index = 0; Utf8.size() < TargetBytes; ++Index)
		{
			if (Index > 0)
			{
				Utf8 += ",\n";
			}
			AppendRecord(Utf8, Random, Index);
		}
		Utf8 += "\n]}";
		return Finish(Name, std::move(Utf8));
	}

	FBenchDocument MakeNumbers(const std::string& Name, size_t TargetBytes)
	{
		FXorShift Random(0xD1B54A32D192ED03ull);
		std::string Utf8 = "{\"Samples\": [\n";
		Utf8.reserve(TargetBytes + 1024);
		for (int Row = 0; Utf8.size() < TargetBytes; ++Row)
		{
			Utf8 += Row > 0 ? ",\n[" : "[";
			AppendNumber(Utf8, Random.Unit() * 1000.0);
			Utf8 += ", ";
			AppendInt(Utf8, static_cast<long long>(Random.Next() >> 20) - (1ll << 42));
			Utf8 += ", ";
			AppendNumber(Utf8, (Random.Unit() - 0.5) * 1e-300);
			Utf8 += ", ";
			AppendNumber(Utf8, Random.Unit() * 1e250);
			Utf8 += ", -0, 0.5, 1E+05]";
		}
		Utf8 += "\n]}";
		return Finish(Name, std::move(Utf8));
	}

	FBenchDocument MakeDeep(const std::string& Name, int Depth)
	{
		std::string Open;
		std::string Close;
		for (int Level = 0; Level < Depth; ++Level)
		{
			if (Level % 2 == 0)
			{
				Open += "{\"Level\": ";
				AppendInt(Open, Level);
				Open += ", \"Next\": ";
				Close += '}';
			}
			else
			{
				Open += "[";
				AppendInt(Open, Level);
				Open += ", \"x\", ";
				Close += ']';
			}
		}
		return Finish(Name, Open + "null" + std::string(Close.rbegin(), Close.rend()));
	}

	std::string MixedName(int MiB)
	{
		return "Mixed" + std::to_string(MiB) + "MB";
	}

	std::vector<FBenchDocument> MakeAll()
	{
		std::vector<FBenchDocument> Documents;
		Documents.push_back(MakeConfig());
		Documents.push_back(MakeDeep("Deep1000", 1000));
		Documents.push_back(MakeNumbers("Numbers2MB", size_t{2} << 20));
		// The same mix at doubling sizes, so that the cost per byte can be read off from 1 MB to 32 MB.
		for (const int MiB : MixedSizesMiB)
		{
			Documents.push_back(MakeMixed(MixedName(MiB), size_t(MiB) << 20));
		}
		return Documents;
	}
}
