// Our JSON text library over the engine's object model.
#include "FileBytes.h"
#include "JsonPeer.h"

#include "Dom/JsonObject.h"
#include "Misc/TextFileEncoding.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

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

	void Read(benchmark::State& State, const FBenchDocument& Document)
	{
		for (auto _ : State)
		{
			const TSharedPtr<FJsonObject> Object = Parse(Document.Text);
			if (!Object.IsValid())
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
