#include "Script/EditorScript.h"

#include "Input/KeyNames.h"
#include "Input/Utf8CodePoints.h"

#include <algorithm>
#include <charconv>

namespace
{
	constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

	bool IsBlank(char Character)
	{
		return Character == ' ' || Character == '\t';
	}

	std::string_view TrimLeft(std::string_view Text)
	{
		SIZE_T Start = 0;
		while (Start < Text.size() && IsBlank(Text[Start]))
		{
			++Start;
		}
		return Text.substr(Start);
	}

	/** Splits off the first word; Rest starts at the blank after it, if any. */
	std::string_view FirstWord(std::string_view Text, std::string_view& Rest)
	{
		SIZE_T End = 0;
		while (End < Text.size() && !IsBlank(Text[End]))
		{
			++End;
		}
		Rest = Text.substr(End);
		return Text.substr(0, End);
	}

	bool ParseKeyLine(std::string_view Names, FScriptCommand& Command, std::string& Message)
	{
		for (std::string_view Rest = TrimLeft(Names); !Rest.empty(); Rest = TrimLeft(Rest))
		{
			const std::string_view Name = FirstWord(Rest, Rest);
			FHostKeyPress Press;
			if (!ParseKeyName(Name, Press))
			{
				Message = "unknown key name \"" + std::string(Name) + "\"";
				return false;
			}
			Command.Presses.Add(Press);
		}
		if (Command.Presses.IsEmpty())
		{
			Message = "\"key\" needs at least one key name";
			return false;
		}
		return true;
	}

	bool ParseTypeLine(std::string_view AfterAction, FScriptCommand& Command, std::string& Message)
	{
		// Everything after the one blank that ends the action word is typed,
		// further blanks included.
		const std::string_view Text = AfterAction.empty() ? AfterAction : AfterAction.substr(1);
		std::u32string CodePoints;
		if (!Utf8ToCodePoints(Text, CodePoints))
		{
			Message = "the text to type is not valid UTF-8";
			return false;
		}
		for (const char32_t CodePoint : CodePoints)
		{
			Command.Presses.Add(FHostKeyPress::Char(CodePoint));
		}
		return true;
	}

	bool IsDigits(std::string_view Text)
	{
		return std::all_of(Text.begin(), Text.end(), [](char Character) { return Character >= '0' && Character <= '9'; });
	}

	/** Whole seconds, then optionally a point and one to nine decimals; nothing else, no sign. */
	bool ParseSeconds(std::string_view Text, std::chrono::nanoseconds& Out)
	{
		constexpr SIZE_T MaxDecimals = 9;
		const SIZE_T Point = Text.find('.');
		const std::string_view Whole = Text.substr(0, Point);
		const std::string_view Decimals = Point == std::string_view::npos ? std::string_view() : Text.substr(Point + 1);
		if (Whole.empty() || !IsDigits(Whole) || !IsDigits(Decimals) || (Point != std::string_view::npos && Decimals.empty())
			|| Decimals.size() > MaxDecimals)
		{
			return false;
		}
		int64 Seconds = 0;
		const std::from_chars_result Result = std::from_chars(Whole.data(), Whole.data() + Whole.size(), Seconds);
		if (Result.ec != std::errc() || Seconds > MaxScriptSleepSeconds)
		{
			return false;
		}
		int64 Nanoseconds = 0;
		for (SIZE_T Index = 0; Index < MaxDecimals; ++Index)
		{
			Nanoseconds = Nanoseconds * 10 + (Index < Decimals.size() ? Decimals[Index] - '0' : 0);
		}
		if (Seconds == MaxScriptSleepSeconds && Nanoseconds != 0)
		{
			return false;
		}
		Out = std::chrono::seconds(Seconds) + std::chrono::nanoseconds(Nanoseconds);
		return true;
	}

	bool ParseSleepLine(std::string_view AfterAction, FScriptCommand& Command, std::string& Message)
	{
		std::string_view Rest;
		const std::string_view Word = FirstWord(TrimLeft(AfterAction), Rest);
		if (!TrimLeft(Rest).empty() || !ParseSeconds(Word, Command.Duration))
		{
			Message = "\"sleep\" wants SECONDS from 0 to " + std::to_string(MaxScriptSleepSeconds) + ", written like 2 or 0.5, not \""
				+ std::string(TrimLeft(AfterAction)) + "\"";
			return false;
		}
		return true;
	}

	/** Sets bSkip for blank and comment lines; returns false with Message set for a bad line. */
	bool ParseLine(std::string_view Line, bool& bSkip, FScriptCommand& Command, std::string& Message)
	{
		const std::string_view Content = TrimLeft(Line);
		bSkip = Content.empty() || Content.front() == '#';
		if (bSkip)
		{
			return true;
		}

		std::string_view Rest;
		const std::string_view Action = FirstWord(Content, Rest);
		if (Action == "key")
		{
			Command.Action = EScriptAction::Press;
			return ParseKeyLine(Rest, Command, Message);
		}
		if (Action == "type")
		{
			Command.Action = EScriptAction::Press;
			return ParseTypeLine(Rest, Command, Message);
		}
		if (Action == "sleep")
		{
			Command.Action = EScriptAction::Sleep;
			return ParseSleepLine(Rest, Command, Message);
		}
		if (Action == "screen" || Action == "quit")
		{
			if (!TrimLeft(Rest).empty())
			{
				Message = "\"" + std::string(Action) + "\" takes nothing after it";
				return false;
			}
			Command.Action = Action == "screen" ? EScriptAction::Screen : EScriptAction::Quit;
			return true;
		}
		Message = "unknown action \"" + std::string(Action) + "\"";
		return false;
	}
}

bool ParseEditorScript(std::string_view Text, TArray<FScriptCommand>& OutCommands, FScriptError& Error)
{
	if (Text.starts_with(Utf8ByteOrderMark))
	{
		Text.remove_prefix(Utf8ByteOrderMark.size());
	}

	TArray<FScriptCommand> Commands;
	int32 LineNumber = 0;
	while (!Text.empty())
	{
		++LineNumber;
		const SIZE_T LineEnd = Text.find('\n');
		std::string_view Line = Text.substr(0, LineEnd);
		Text = LineEnd == std::string_view::npos ? std::string_view() : Text.substr(LineEnd + 1);
		// A script saved with Windows line ends types no carriage returns.
		if (Line.ends_with('\r'))
		{
			Line.remove_suffix(1);
		}

		FScriptCommand Command;
		Command.Line = LineNumber;
		bool bSkip = false;
		std::string Message;
		if (!ParseLine(Line, bSkip, Command, Message))
		{
			Error = FScriptError{LineNumber, Message};
			return false;
		}
		if (!bSkip)
		{
			Commands.Add(std::move(Command));
		}
	}
	OutCommands = std::move(Commands);
	return true;
}
