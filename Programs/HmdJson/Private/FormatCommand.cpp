#include "FormatCommand.h"

#include "ByteSink.h"
#include "ErrorLine.h"
#include "ExitCodes.h"
#include "HAL/FileManager.h"
#include "Misc/TextFileEncoding.h"
#include "SavedForm.h"
#include "SavedFormOutput.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"
#include "StandardOutput.h"
#include "Utf8Output.h"

#include <memory>
#include <new>
#include <utility>

namespace
{
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

	/** A document read, with what its input tells of the saved form. */
	struct FReadDocument
	{
		TSharedPtr<FJsonObject> Object;
		/** The input could only give ASCII text, so the saved form is known to be one byte per character. */
		bool bPlainAsciiInput = false;
	};

	/** Reads and parses the input; on failure reports why and gives the exit status. */
	int ReadObject(const FCommandInput& Input, FReadDocument& OutDocument)
	{
		TValueOrError<TArray<uint8>, FString> Read = Input.Read();
		if (Read.HasError())
		{
			ErrorLine::Print(TEXT("hmd-json: ") + Read.GetError());
			return HmdJsonExit::UsageOrIo;
		}
		TArray<uint8> Bytes = Read.StealValue();

		OutDocument.bPlainAsciiInput = SavedForm::IsPlainAscii(Bytes.GetData(), static_cast<SIZE_T>(Bytes.Num()));
		FString Text = FTextFileEncoding::Decode(Bytes.GetData(), Bytes.Num());
		Bytes = TArray<uint8>();
		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(std::move(Text));
		if (!JsonSerializer::ReadObject(Reader, OutDocument.Object))
		{
			// Without a reader error, the document was whole but its root an array.
			ErrorLine::Print(Reader->ErrorText().IsEmpty() ? FString(TEXT("The JSON root is not an object.")) : Reader->ErrorText());
			return HmdJsonExit::InvalidJson;
		}
		return HmdJsonExit::Success;
	}

	std::unique_ptr<FTextOutput> MakeOutput(const FFormatOptions& Options, const FReadDocument& Document, IByteBlockSink& Sink)
	{
		if (Options.bUtf8)
		{
			return std::make_unique<FUtf8Output>(Sink);
		}
		// Known before any text is written, so the text streams however long it is.
		const ETextFileForm Form = Document.bPlainAsciiInput ? ETextFileForm::Ascii : SavedForm::OfTree(*Document.Object);
		return std::make_unique<FSavedFormOutput>(Sink, Form);
	}

	/** Writes the object's text through Output and finishes it; false when the output's sink refused any of it. */
	bool WriteText(FReadDocument&& Document, FTextOutput& Output)
	{
		JsonSerializer::WriteObject(Document.Object.ToSharedRef(), MakeShared<JsonWriter>(Output, 0));
		KeepUntilExit(std::move(Document.Object));
		return Output.Finish();
	}

	/** The text goes out as the writer hands it over, in blocks; memory is bounded by the tree, not the text. */
	int WriteToStandardOutput(FReadDocument&& Document, const FFormatOptions& Options)
	{
		FStandardOutputSink Sink;
		const std::unique_ptr<FTextOutput> Output = MakeOutput(Options, Document, Sink);
		if (!WriteText(std::move(Document), *Output))
		{
			ErrorLine::PrintStandardOutputFailure();
			return HmdJsonExit::UsageOrIo;
		}
		// Written anyway, as asked, but a terminal shows UTF-16 as garbage with NUL bytes.
		if (Output->IsUtf16() && StandardOutput::IsTerminal())
		{
			ErrorLine::Print(
				FString(TEXT("hmd-json: the output above is UTF-16, as the settings file is saved; add --utf8 to read it on a terminal")));
		}
		return HmdJsonExit::Success;
	}

	/** The whole text is made in memory, then replaces the file in one step, as the module saves. */
	int WriteToFile(FReadDocument&& Document, const FFormatOptions& Options)
	{
		// Memory takes every byte, or throws when it cannot.
		FMemorySink Sink;
		const std::unique_ptr<FTextOutput> Output = MakeOutput(Options, Document, Sink);
		WriteText(std::move(Document), *Output);
		const std::vector<uint8>& Bytes = Sink.GetBytes();
		FString Error;
		if (!IFileManager::Get().WriteFileAtomically(
				*Options.OutputPath, Bytes.data(), static_cast<int64>(Bytes.size()), &Error, FFileAccess{}))
		{
			ErrorLine::Print(TEXT("hmd-json: ") + Error);
			return HmdJsonExit::UsageOrIo;
		}
		return HmdJsonExit::Success;
	}

	/** Reads, parses and writes out the input; gives the exit status. */
	int Format(const FCommandInput& Input, const FFormatOptions& Options)
	{
		FReadDocument Document;
		if (const int Status = ReadObject(Input, Document); Status != HmdJsonExit::Success)
		{
			return Status;
		}
		return Options.OutputPath.IsEmpty() ? WriteToStandardOutput(std::move(Document), Options) : WriteToFile(std::move(Document), Options);
	}
}

int FormatCommand::Run(const FCommandInput& Input, const FFormatOptions& Options)
{
	try
	{
		return Format(Input, Options);
	}
	catch (const std::bad_alloc&)
	{
		ErrorLine::Print(TEXT("hmd-json: not enough memory to format '") + Input.Name() + TEXT("'"));
		return HmdJsonExit::UsageOrIo;
	}
}
