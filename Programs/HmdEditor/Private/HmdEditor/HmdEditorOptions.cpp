#include "HmdEditor/HmdEditorOptions.h"

#include "Containers/StringConv.h"
#include "HAL/FileManager.h"

#include <charconv>
#include <cstdio>
#include <string_view>

namespace
{
	/** A decimal number in [Min, Max] with nothing around it. */
	bool ParseBoundedInt(std::string_view Text, int32 Min, int32 Max, int32& Out)
	{
		int32 Value = 0;
		const char* const End = Text.data() + Text.size();
		const std::from_chars_result Result = std::from_chars(Text.data(), End, Value);
		if (Text.empty() || Text.front() == '-' || Result.ec != std::errc() || Result.ptr != End || Value < Min || Value > Max)
		{
			return false;
		}
		Out = Value;
		return true;
	}

	/**
	 * True when the bytes name a path the engine's text carries unchanged:
	 * UTF-8 (and, from the Windows command line, its lone surrogates). Other
	 * bytes would decode to a look-alike name with U+FFFD in their place.
	 */
	bool IsLosslessPathName(const std::string& Bytes)
	{
		FString Ignored;
		return StringConv::TryFromUtf8Lossless(Bytes, Ignored);
	}

	/** The length of the UTF-8 sequence that Lead starts, or 0 when it starts none. */
	SIZE_T Utf8SequenceLength(unsigned char Lead)
	{
		return Lead < 0x80 ? 1 : Lead >= 0xC2 && Lead <= 0xDF ? 2 : Lead >= 0xE0 && Lead <= 0xEF ? 3 : Lead >= 0xF0 && Lead <= 0xF4 ? 4 : 0;
	}

	TValueOrError<void, std::string> CheckPathName(const std::string& Name, const std::string& Value, const char* What)
	{
		if (!IsLosslessPathName(Value))
		{
			return MakeError(Name + ": the " + What + " name is not UTF-8: " + EscapePathForMessage(Value));
		}
		return MakeValue();
	}

	bool ParseSize(std::string_view Text, FHmdEditorOptions& Out)
	{
		const SIZE_T Separator = Text.find('x');
		return Separator != std::string_view::npos
			&& ParseBoundedInt(Text.substr(0, Separator), FHmdEditorOptions::MinColumns, FHmdEditorOptions::MaxColumns, Out.Columns)
			&& ParseBoundedInt(Text.substr(Separator + 1), FHmdEditorOptions::MinRows, FHmdEditorOptions::MaxRows, Out.Rows);
	}
}

TValueOrError<FHmdEditorOptions, std::string> ParseHmdEditorOptions(const TArray<std::string>& Arguments)
{
	FHmdEditorOptions Options;
	bool bSizeGiven = false;
	for (int32 Index = 0; Index < Arguments.Num(); ++Index)
	{
		const std::string& Argument = Arguments[Index];
		if (Argument == "--help" || Argument == "-h")
		{
			Options.bShowHelp = true;
			continue;
		}
		if (Argument == "--version")
		{
			Options.bShowVersion = true;
			continue;
		}

		// "--name value" or "--name=value".
		const SIZE_T Equals = Argument.find('=');
		const std::string Name = Argument.substr(0, Equals);
		if (Name != "--documents" && Name != "--script" && Name != "--size")
		{
			return MakeError(Argument.starts_with("-") && Argument != "-" ? "unknown option " + Argument : "unexpected argument " + Argument);
		}
		std::string Value;
		if (Equals != std::string::npos)
		{
			Value = Argument.substr(Equals + 1);
		}
		else if (Index + 1 < Arguments.Num())
		{
			Value = Arguments[++Index];
		}
		else
		{
			return MakeError(Name + " needs a value");
		}

		if (Name == "--documents")
		{
			if (Value.empty())
			{
				return MakeError("--documents needs a folder");
			}
			if (TValueOrError<void, std::string> Checked = CheckPathName(Name, Value, "folder"); Checked.HasError())
			{
				return MakeError(Checked.StealError());
			}
			Options.DocumentsFolder = Value;
		}
		else if (Name == "--script")
		{
			if (Value.empty())
			{
				return MakeError("--script needs a file, or - for standard input");
			}
			if (TValueOrError<void, std::string> Checked = CheckPathName(Name, Value, "file"); Checked.HasError())
			{
				return MakeError(Checked.StealError());
			}
			Options.ScriptPath = Value;
		}
		else if (!ParseSize(Value, Options))
		{
			return MakeError("--size wants COLSxROWS with " + std::to_string(FHmdEditorOptions::MinColumns) + " to "
				+ std::to_string(FHmdEditorOptions::MaxColumns) + " columns and " + std::to_string(FHmdEditorOptions::MinRows)
				+ " to " + std::to_string(FHmdEditorOptions::MaxRows) + " rows, not \"" + Value + "\"");
		}
		else
		{
			bSizeGiven = true;
		}
	}

	if (bSizeGiven && !Options.IsScripted() && !Options.bShowHelp && !Options.bShowVersion)
	{
		return MakeError("--size sets the size of the headless screen and needs --script; the terminal sets its own size");
	}
	return MakeValue(Options);
}

std::string EscapePathForMessage(std::string_view Bytes)
{
	std::string Shown;
	for (SIZE_T Index = 0; Index < Bytes.size();)
	{
		const unsigned char Byte = static_cast<unsigned char>(Bytes[Index]);
		const SIZE_T Length = Utf8SequenceLength(Byte);
		const bool bControl = Byte < 0x20 || Byte == 0x7F;
		if (Length != 0 && !bControl && Index + Length <= Bytes.size() && StringConv::IsValidUtf8(Bytes.substr(Index, Length)))
		{
			Shown += Bytes.substr(Index, Length);
			Index += Length;
			continue;
		}
		char Escaped[5];
		std::snprintf(Escaped, sizeof(Escaped), "\\x%02x", Byte);
		Shown += Escaped;
		++Index;
	}
	return Shown;
}

TValueOrError<void, std::string> CheckDocumentsFolder(const FHmdEditorOptions& Options)
{
	if (Options.DocumentsFolder.empty())
	{
		return MakeValue();
	}
	IFileManager& FileManager = IFileManager::Get();
	const FString Folder = StringConv::FromUtf8(Options.DocumentsFolder);
	if (FileManager.DirectoryExists(*Folder))
	{
		return MakeValue();
	}
	const char* const Reason = FileManager.FileExists(*Folder) ? "not a folder: " : "no such folder: ";
	return MakeError("--documents: " + std::string(Reason) + EscapePathForMessage(Options.DocumentsFolder));
}

std::string GetHmdEditorUsage()
{
#if defined(_WIN32)
	const char* const DefaultDocuments = "the shell's public documents folder (C:\\Users\\Public\\Documents)";
	const char* const DefaultLog = "%LOCALAPPDATA%\\hmd-editor\\hmd-editor.log";
#else
	const char* const DefaultDocuments = "$XDG_PUBLICSHARE_DIR, else $HOME/Public";
	const char* const DefaultLog = "$XDG_STATE_HOME/hmd-editor/hmd-editor.log,\n"
								   "                     else ~/.local/state/hmd-editor/hmd-editor.log";
#endif
	return std::string("Usage: hmd-editor [--documents DIR] [--script FILE [--size COLSxROWS]]\n"
					   "\n"
					   "The editor host: loads the Level Editor and the OrvekHmdSettings module and\n"
					   "shows the main window. Without --script it runs in the terminal.\n"
					   "\n"
					   "Options:\n"
					   "  --documents DIR    use DIR as the public documents folder (the settings file\n"
					   "                     is DIR/Orvek/Skellan_4.20/Config/OHeadSetConfig.json)\n"
					   "  --script FILE      run headless, reading the actions from FILE (a file, a\n"
					   "                     pipe, or - for standard input); see below\n"
					   "  --size COLSxROWS   size of the headless screen (default 100x30)\n"
					   "  --help             show this text\n"
					   "  --version          show the version\n"
					   "\n"
					   "Files:\n"
					   "  settings file      <documents>/Orvek/Skellan_4.20/Config/OHeadSetConfig.json,\n"
					   "                     the documents folder being --documents DIR, else\n"
					   "                     ")
		+ DefaultDocuments + "\n"
		+ "  log file           in the terminal, " + DefaultLog + "\n"
		+ "                     headless: warnings and errors go to standard error\n"
		  "\n"
		  "Script actions, one a line (blank lines and lines starting with # are skipped):\n"
		  "  key NAME [NAME ...]  press keys: Enter Tab Shift+Tab Escape Space Backspace\n"
		  "                       Delete Left Right Up Down Home End PageUp PageDown\n"
		  "                       F1..F12 Ctrl+<letter> Alt+<letter>, or a single\n"
		  "                       printable character\n"
		  "  type TEXT            type the text after the first space, exactly\n"
		  "  screen               print the screen, then \"--- end of screen ---\"\n"
		  "  sleep SECONDS        wait SECONDS, a decimal number from 0 to 3600 (for\n"
		  "                       example 0.5); a stop signal ends the wait\n"
		  "  quit                 quit as File > Exit does (the end of the script quits too)\n"
		  "\n"
		  "Keys: F1 lists the keys of where you are (Help > Keyboard Shortcuts lists\n"
		  "those of the main window). F10 or F9 opens the menu bar; Ctrl+Q or Ctrl+C\n"
		  "quits. Window > Output Log shows this run's log lines.\n"
		  "\n"
		  "A stop signal (SIGTERM, SIGHUP or SIGINT; on Windows Ctrl+C or Ctrl+Break)\n"
		  "ends a run as a quit does: an open settings window is closed, and saved,\n"
		  "first.\n"
		  "\n"
		  "Exit status: 0 after a normal run (a quit with Ctrl+Q or Ctrl+C included); 1\n"
		  "when the program cannot start, cannot read its script or cannot write its\n"
		  "output; 2 for bad options or a bad script; 128 + the signal's number after a\n"
		  "stop signal (143 for SIGTERM, 129 for SIGHUP, 130 for SIGINT, 149 for\n"
		  "Ctrl+Break on Windows).\n";
}
