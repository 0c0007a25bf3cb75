#include "FormatCommand.h"

#include "Containers/StringConv.h"
#include "ExitCodes.h"
#include "FormattedOutput.h"
#include "HAL/FileManager.h"
#include "Misc/TextFileEncoding.h"
#include "ProcessMemory.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <cstdio>
#include <new>
#include <string>
#include <utility>

namespace
{
	void PrintErrorLine(const FString& Message)
	{
		const std::string Line = StringConv::ToUtf8(Message) + "\n";
		std::fwrite(Line.data(), 1, Line.size(), stderr);
		std::fflush(stderr);
	}

	/**
	 * Keeps the tree until the process ends, which hands all of its memory
	 * back at once: releasing a large tree value by value only costs time
	 * just before exit. The tree stays reachable, so leak checkers are content.
	 */
	void KeepUntilExit(TSharedPtr<FJsonObject>&& Object)
	{
		static TSharedPtr<FJsonObject>* const Kept = new TSharedPtr<FJsonObject>();
		*Kept = std::move(Object);
	}

	/** Reads and parses the file; on failure reports why and gives the exit status. */
	int ReadObject(const FString& InputPath, TSharedPtr<FJsonObject>& OutObject)
	{
		ProcessMemory::PrepareForDocument(IFileManager::Get().FileSize(*InputPath));
		TArray<uint8> Bytes;
		FString Error;
		if (!IFileManager::Get().LoadFile(*InputPath, Bytes, &Error))
		{
			PrintErrorLine(TEXT("hmd-json: ") + Error);
			return HmdJsonExit::UsageOrIo;
		}

		FString Text = FTextFileEncoding::Decode(Bytes.GetData(), Bytes.Num());
		Bytes = TArray<uint8>();
		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(std::move(Text));
		if (!JsonSerializer::ReadObject(Reader, OutObject))
		{
			// Without a reader error, the document was whole but its root an array.
			PrintErrorLine(Reader->ErrorText().IsEmpty() ? FString(TEXT("The JSON root is not an object.")) : Reader->ErrorText());
			return HmdJsonExit::InvalidJson;
		}
		return HmdJsonExit::Success;
	}

	/** Reads, parses and writes out the file; gives the exit status. */
	int Format(const FString& InputPath)
	{
		TSharedPtr<FJsonObject> Object;
		if (const int Status = ReadObject(InputPath, Object); Status != HmdJsonExit::Success)
		{
			return Status;
		}

		// The text goes out as the writer hands it over, in blocks.
		FFormattedOutput Output;
		JsonSerializer::WriteObject(Object.ToSharedRef(), MakeShared<JsonWriter>(&Output, 0));
		KeepUntilExit(std::move(Object));

		if (!Output.Finish())
		{
			PrintErrorLine(FString(TEXT("hmd-json: could not write to standard output")));
			return HmdJsonExit::UsageOrIo;
		}
		return HmdJsonExit::Success;
	}
}

int FormatCommand::Run(const FString& InputPath)
{
	try
	{
		return Format(InputPath);
	}
	catch (const std::bad_alloc&)
	{
		PrintErrorLine(TEXT("hmd-json: not enough memory to format '") + InputPath + TEXT("'"));
		return HmdJsonExit::UsageOrIo;
	}
}
