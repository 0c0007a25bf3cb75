#include "CheckReport.h"

#include "Containers/Utf16Surrogates.h"

namespace
{
	/**
	 * Text in quotation marks, written the way JSON writes a string so that
	 * every unit shows: quotation marks and backslashes escaped, control
	 * characters and unpaired surrogates as escapes, nothing raw that a
	 * terminal would act on.
	 */
	FString Quoted(const FString& Text)
	{
		FString Out(TEXT("\""));
		const int32 Count = Text.Len();
		for (int32 Index = 0; Index < Count; ++Index)
		{
			const TCHAR Unit = Text[Index];
			switch (Unit)
			{
			case u'"': Out += TEXT("\\\""); continue;
			case u'\\': Out += TEXT("\\\\"); continue;
			case u'\b': Out += TEXT("\\b"); continue;
			case u'\f': Out += TEXT("\\f"); continue;
			case u'\n': Out += TEXT("\\n"); continue;
			case u'\r': Out += TEXT("\\r"); continue;
			case u'\t': Out += TEXT("\\t"); continue;
			default: break;
			}
			if (Utf16Surrogates::IsHigh(Unit) && Index + 1 < Count && Utf16Surrogates::IsLow(Text[Index + 1]))
			{
				Out.AppendChar(Unit).AppendChar(Text[Index + 1]);
				++Index;
			}
			else if (Unit < 0x20 || (Unit >= 0x7F && Unit < 0xA0) || Utf16Surrogates::IsSurrogate(Unit))
			{
				Out += FString::Printf(TEXT("\\u%04X"), static_cast<uint32>(Unit));
			}
			else
			{
				Out.AppendChar(Unit);
			}
		}
		return Out + TEXT("\"");
	}

	/** A JSON type that the load accepts, as the user reads it. */
	const TCHAR* DescribeExpected(EJson Type)
	{
		return Type == EJson::Boolean ? TEXT("true or false") : FOrvekHmdSettingsFile::DescribeJsonType(Type);
	}

	bool LoadsNothing(const FCheckedFile& File)
	{
		return File.Findings.ReaderError.has_value() || File.Findings.bRootIsNotObject;
	}

	bool IsWrongType(const FCheckedFile& File, const TCHAR* Key)
	{
		for (const FOrvekHmdSettingsWrongType& WrongType : File.Findings.WrongTypes)
		{
			if (WrongType.Key == Key)
			{
				return true;
			}
		}
		return false;
	}

	const TCHAR* BoolText(bool bValue)
	{
		return bValue ? TEXT("true") : TEXT("false");
	}

	/** What a new panel holds for Key before anything is loaded, as the report shows it. */
	FString DefaultText(const FString& Key)
	{
		const OrvekHmdSettingsConfig Defaults;
		return Key == CheckReport::SubjectNameKey ? Quoted(Defaults.SubjectName) : FString(BoolText(Defaults.EnableLogging));
	}

	/** "Key: value", or why the default is used instead. */
	FString ValueLine(const FCheckedFile& File, const TCHAR* Key, bool bHasKey, const FString& Loaded)
	{
		FString Line = FString(Key) + TEXT(": ");
		if (LoadsNothing(File))
		{
			Line += TEXT("(nothing of the file loads: the default ") + DefaultText(Key) + TEXT(" is used)");
		}
		else if (IsWrongType(File, Key))
		{
			Line += TEXT("(ignored: the default ") + DefaultText(Key) + TEXT(" is used)");
		}
		else if (!bHasKey)
		{
			Line += TEXT("(not set: the default ") + DefaultText(Key) + TEXT(" is used)");
		}
		else
		{
			Line += Loaded;
		}
		return Line + TEXT("\n");
	}

	FString WrongTypeText(const FOrvekHmdSettingsWrongType& WrongType)
	{
		FString Text = WrongType.Key + TEXT(" is ") + FOrvekHmdSettingsFile::DescribeJsonType(WrongType.FoundType) + TEXT(", not ")
			+ DescribeExpected(WrongType.ExpectedType) + TEXT("; ");
		switch (WrongType.LoadsInstead)
		{
		case EOrvekHmdSettingsFallback::False:
			return Text + TEXT("it loads as false");
		case EOrvekHmdSettingsFallback::KeepsValue:
			break;
		}
		return Text + TEXT("the default ") + DefaultText(WrongType.Key) + TEXT(" is used");
	}

	/** The findings, one line each, starting with the file's name. */
	FString FindingLines(const FCheckedFile& File)
	{
		const FOrvekHmdSettingsFindings& Findings = File.Findings;
		const FString Start = File.Name + TEXT(": ");
		if (File.Text != ECheckedFileText::Present)
		{
			const bool bNoBytes = File.Text == ECheckedFileText::NoBytes;
			return Start + (bNoBytes ? TEXT("the file is empty\n") : TEXT("the file is empty but for its byte-order mark\n"));
		}
		if (Findings.ReaderError.has_value())
		{
			// The conventional "file:line:column: message" form, with the reader's own numbers and text.
			const FOrvekHmdSettingsReaderError& Error = *Findings.ReaderError;
			return FString::Printf(TEXT("%s:%u:%u: %s\n"), *File.Name, Error.Line, Error.Character, *Error.Message);
		}
		if (Findings.bRootIsNotObject)
		{
			return Start + TEXT("the root is not an object, so nothing of the file loads\n");
		}
		FString Lines;
		for (const FOrvekHmdSettingsWrongType& WrongType : Findings.WrongTypes)
		{
			Lines += Start + WrongTypeText(WrongType) + TEXT("\n");
		}
		// A key that is not a setting gets one line, repeated or not.
		for (const FString& Key : Findings.RepeatedKeys)
		{
			Lines += Start + Quoted(Key)
				+ (Findings.DroppedKeys.Contains(Key) ? TEXT(" is repeated and is not a setting; the next save drops all of it\n")
					: TEXT(" is repeated; only its last value is read, and the next save drops the others\n"));
		}
		for (const FString& Key : Findings.DroppedKeys)
		{
			if (!Findings.RepeatedKeys.Contains(Key))
			{
				Lines += Start + Quoted(Key) + TEXT(" is not a setting; the next save drops it\n");
			}
		}
		return Lines;
	}
}

const TCHAR* const CheckReport::SubjectNameKey = TEXT("SubjectName");
const TCHAR* const CheckReport::EnableLoggingKey = TEXT("EnableLogging");

FString CheckReport::Lines(const FCheckedFile& File)
{
	return ValueLine(File, SubjectNameKey, File.Findings.bHasSubjectName, Quoted(File.Config.SubjectName))
		+ ValueLine(File, EnableLoggingKey, File.Findings.bHasEnableLogging, FString(BoolText(File.Config.EnableLogging))) + FindingLines(File);
}

bool CheckReport::LosesNothing(const FCheckedFile& File)
{
	const FOrvekHmdSettingsFindings& Findings = File.Findings;
	return File.Text == ECheckedFileText::Present && Findings.LoadedCleanly() && Findings.RepeatedKeys.IsEmpty()
		&& Findings.DroppedKeys.IsEmpty();
}
