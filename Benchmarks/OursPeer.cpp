// Our JSON text library over the engine's object model.
#include "FileBytes.h"
#include "JsonPeer.h"

#include "Dom/JsonObject.h"
#include "Misc/TextFileEncoding.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <algorithm>
#include <vector>

namespace
{
	/** The reader takes the text over, so a caller that moves it in keeps no second copy. */
	TSharedPtr<FJsonObject> Parse(FString Text)
	{
		TSharedPtr<FJsonObject> Object;
		JsonSerializer::ReadObject(StringJsonReader::Create(std::move(Text)), Object);
		return Object;
	}

	FString Print(const TSharedPtr<FJsonObject>& Object)
	{
		FString Text;
		JsonSerializer::WriteObject(Object.ToSharedRef(), StringJsonWriter::Create(&Text, 0), true);
		return Text;
	}

	/**
	 * Readers made with the timing paused, each holding its own copy of the
	 * text, so that the timed part starts from text already in memory, as the
	 * peers' reads do. They are made and released a batch at a time, which
	 * keeps the pauses negligible even for a document read in a microsecond;
	 * a released reader frees its copy outside the timed part too.
	 */
	class FReaderBatch
	{
	public:
		FReaderBatch(benchmark::State& InState, const FString& InText) : State(InState), Text(InText) {}

		/** The next unused reader; refills the batch, untimed, when it is used up. */
		const TSharedRef<JsonReader>& Next()
		{
			if (Used == Readers.size())
			{
				Refill();
			}
			return Readers[Used++];
		}

	private:
		/** At most this much text is copied ahead at a time, and at most MaxReaders readers. */
		static constexpr size_t MaxBatchBytes = size_t{64} << 20;
		static constexpr size_t MaxReaders = 256;

		void Refill()
		{
			State.PauseTiming();
			Readers.clear();
			const size_t TextBytes = static_cast<size_t>(Text.Len()) * sizeof(TCHAR) + 1;
			// No more readers than iterations are left (the state's own count is not kept inside the loop).
			const size_t Remaining = static_cast<size_t>(State.max_iterations) - std::min(Made, static_cast<size_t>(State.max_iterations));
			const size_t Count = std::max<size_t>(1, std::min({Remaining, MaxReaders, MaxBatchBytes / TextBytes}));
			for (size_t Index = 0; Index < Count; ++Index)
			{
				Readers.push_back(StringJsonReader::Create(FString(Text)));
			}
			Made += Count;
			Used = 0;
			State.ResumeTiming();
		}

		benchmark::State& State;
		const FString& Text;
		std::vector<TSharedRef<JsonReader>> Readers;
		size_t Used = 0;
		size_t Made = 0;
	};

	/** Text to tree and the tree released, timed; the copy of the text the reader takes over is made before. */
	void Read(benchmark::State& State, const FBenchDocument& Document)
	{
		FReaderBatch Batch(State, Document.Text);
		for (auto _ : State)
		{
			TSharedPtr<FJsonObject> Object;
			if (!JsonSerializer::ReadObject(Batch.Next(), Object))
			{
				State.SkipWithError("the document does not read");
				break;
			}
		}
	}

	void Write(benchmark::State& State, const FBenchDocument& Document)
	{
		const TSharedPtr<FJsonObject> Object = Parse(Document.Text);
		if (!Object.IsValid())
		{
			State.SkipWithError("the document does not read");
			return;
		}
		for (auto _ : State)
		{
			const FString Text = Print(Object);
			benchmark::DoNotOptimize(*Text);
		}
	}

	bool RoundTrip(const char* InputPath, const char* OutputPath)
	{
		TArray<uint8> Encoded;
		{
			FString Text;
			{
				TSharedPtr<FJsonObject> Object;
				{
					FString Decoded;
					{
						const std::vector<uint8_t> Bytes = FileBytes::Load(InputPath);
						Decoded = FTextFileEncoding::Decode(Bytes.data(), static_cast<int64>(Bytes.size()));
					}
					Object = Parse(std::move(Decoded));
				}
				if (!Object.IsValid())
				{
					return false;
				}
				Text = Print(Object);
			}
			Encoded = FTextFileEncoding::Encode(Text);
		}
		return FileBytes::Save(OutputPath, Encoded.GetData(), static_cast<size_t>(Encoded.Num()));
	}
}

const FJsonPeer OursPeer = {"Ours", &Read, &Write, &RoundTrip};
