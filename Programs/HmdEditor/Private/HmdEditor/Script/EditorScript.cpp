#include "HmdEditor/Script/EditorScript.h"

#include "HmdEditor/Input/KeyNames.h"
#include "HmdEditor/Input/Utf8CodePoints.h"

#include <algorithm>
#include <charconv>

namespace
{
	constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

	/** A line read into its command, or why it is wrong. */
	using FLineResult = TValueOrError<void, std::string>;

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

	FLineResult ParseKeyLine(std::string_view Names, FScriptCommand& Command)
	{
		for (std::string_view Rest = TrimLeft(Names); !Rest.empty(); Rest = TrimLeft(Rest))
		{
			const std::string_view Name = FirstWord(Rest, Rest);
			FHostKeyPress Press;
			if (!ParseKeyName(Name, Press))
			{
				return MakeError("unknown key name \"" + std::string(Name) + "\"");
			}
			Command.Presses.Add(Press);
		}
		if (Command.Presses.IsEmpty())
		{
			return MakeError("\"key\" needs at least one key name");
		}
		return MakeValue();
	}

	FLineResult ParseTypeLine(std::string_view AfterAction, FScriptCommand& Command)
	{
		// Everything after the one blank that ends the action word is typed,
		// further blanks included.
		const std::string_view Text = AfterAction.empty() ? AfterAction : AfterAction.substr(1);
		std::u32string CodePoints;
		if (!Utf8ToCodePoints(Text, CodePoints))
		{
			return MakeError("the text to type is not valid UTF-8");
		}
		for (const char32_t CodePoint : CodePoints)
		{
			Command.Presses.Add(FHostKeyPress::Char(CodePoint));
		}
		return MakeValue();
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

	FLineResult ParseSleepLine(std::string_view AfterAction, FScriptCommand& Command)
	{
		std::string_view Rest;
		const std::string_view Word = FirstWord(TrimLeft(AfterAction), Rest);
		if (!TrimLeft(Rest).empty() || !ParseSeconds(Word, Command.Duration))
		{
			return MakeError("\"sleep\" wants SECONDS from 0 to " + std::to_string(MaxScriptSleepSeconds) + ", written like 2 or 0.5, not \""
				+ std::string(TrimLeft(AfterAction)) + "\"");
		}
		return MakeValue();
	}

	/** Sets bSkip for blank and comment lines. */
	FLineResult ParseLine(std::string_view Line, bool& bSkip, FScriptCommand& Command)
	{
		const std::string_view Content = TrimLeft(Line);
		bSkip = Content.empty() || Content.front() == '#';
		if (bSkip)
		{
			return MakeValue();
		}

		std::string_view Rest;
		const std::string_view Action = FirstWord(Content, Rest);
		if (Action == "key")
		{
			Command.Action = EScriptAction::Press;
			return ParseKeyLine(Rest, Command);
		}
		if (Action == "type")
		{
			Command.Action = EScriptAction::Press;
			return ParseTypeLine(Rest, Command);
		}
		if (Action == "sleep")
		{
			Command.Action = EScriptAction::Sleep;
			return ParseSleepLine(Rest, Command);
		}
		if (Action == "screen" || Action == "quit")
		{
			if (!TrimLeft(Rest).empty())
			{
				return MakeError("\"" + std::string(Action) + "\" takes nothing after it");
			}
			Command.Action = Action == "screen" ? EScriptAction::Screen : EScriptAction::Quit;
			return MakeValue();
		}
		return MakeError("unknown action \"" + std::string(Action) + "\"");
	}
}

TValueOrError<TArray<FScriptCommand>, FScriptError> ParseEditorScript(std::string_view Text)
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
		FLineResult Parsed = ParseLine(Line, bSkip, Command);
		if (Parsed.HasError())
		{
			return MakeError(FScriptError{LineNumber, Parsed.StealError()});
		}
		if (!bSkip)
		{
			Commands.Add(std::move(Command));
		}
	}
	return MakeValue(std::move(Commands));
}
