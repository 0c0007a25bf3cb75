// RapidJSON with 16-bit strings (UTF16<> would mean wchar_t, 32 bits on
// Linux), its pretty writer indenting with one tab per level, and every
// number written as "%.17g" writes it, so both do the same work. The text
// comes from the same conversion ours uses (std::to_chars with 17 digits,
// which gives exactly the "%.17g" text), so neither pays for a slower one.
// Reading uses RapidJSON's default flags: its faster number conversion,
// not the nearest-double one ours does, so the comparison does not flatter
// ours.
#include "FileBytes.h"
#include "JsonPeer.h"

#include "Misc/TextFileEncoding.h"

#include <rapidjson/document.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <charconv>
#include <cstddef>

namespace
{
	using FEncoding = rapidjson::UTF16<char16_t>;
	using FDocument = rapidjson::GenericDocument<FEncoding>;
	using FBuffer = rapidjson::GenericStringBuffer<FEncoding>;
	using FPrettyWriter = rapidjson::PrettyWriter<FBuffer, FEncoding, FEncoding>;

	/** The pretty writer with every number kind written as "%.17g" writes it. */
	class FPercentGWriter : public FPrettyWriter
	{
	public:
		explicit FPercentGWriter(FBuffer& Buffer) : FPrettyWriter(Buffer) { SetIndent(u'\t', 1); }

		bool Double(double Value)
		{
			char Narrow[32];
			const char* const End = std::to_chars(Narrow, Narrow + sizeof(Narrow), Value, std::chars_format::general, 17).ptr;
			char16_t Wide[32];
			const std::ptrdiff_t Length = End - Narrow;
			for (std::ptrdiff_t Index = 0; Index < Length; ++Index)
			{
				Wide[Index] = static_cast<char16_t>(Narrow[Index]);
			}
			return RawValue(Wide, static_cast<size_t>(Length), rapidjson::kNumberType);
		}
		bool Int(int Value) { return Double(Value); }
		bool Uint(unsigned Value) { return Double(Value); }
		bool Int64(int64_t Value) { return Double(static_cast<double>(Value)); }
		bool Uint64(uint64_t Value) { return Double(static_cast<double>(Value)); }
	};

	/** From the terminated text: this RapidJSON's Parse with a length does not build for 16-bit units. */
	void Parse(FDocument& Tree, const FString& Text)
	{
		Tree.Parse(*Text);
	}

	void Read(benchmark::State& State, const FBenchDocument& Document)
	{
		for (auto _ : State)
		{
			FDocument Tree;
			Parse(Tree, Document.Text);
			if (Tree.HasParseError())
			{
				State.SkipWithError("the document does not read");
				break;
			}
		}
	}

	void Write(benchmark::State& State, const FBenchDocument& Document)
	{
		FDocument Tree;
		Parse(Tree, Document.Text);
		if (Tree.HasParseError())
		{
			State.SkipWithError("the document does not read");
			return;
		}
		for (auto _ : State)
		{
			FBuffer Buffer;
			FPercentGWriter Writer(Buffer);
			Tree.Accept(Writer);
			benchmark::DoNotOptimize(Buffer.GetString());
		}
	}

	bool RoundTrip(const char* InputPath, const char* OutputPath)
	{
		TArray<uint8> Encoded;
		{
			FBuffer Buffer;
			{
				FDocument Tree;
				{
					FString Text;
					{
						const std::vector<uint8_t> Bytes = FileBytes::Load(InputPath);
						Text = FTextFileEncoding::Decode(Bytes.data(), static_cast<int64>(Bytes.size()));
					}
					Parse(Tree, Text);
				}
				if (Tree.HasParseError())
				{
					return false;
				}
				FPercentGWriter Writer(Buffer);
				Tree.Accept(Writer);
			}
			Encoded = FTextFileEncoding::Encode(FString(std::u16string_view(Buffer.GetString(), Buffer.GetSize() / sizeof(char16_t))));
		}
		return FileBytes::Save(OutputPath, Encoded.GetData(), static_cast<size_t>(Encoded.Num()));
	}
}

const FJsonPeer RapidJsonPeer = {"RapidJSON", &Read, &Write, &RoundTrip};
