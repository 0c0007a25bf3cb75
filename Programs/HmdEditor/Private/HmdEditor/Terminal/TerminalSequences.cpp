#include "HmdEditor/Terminal/TerminalSequences.h"

#include "Containers/Array.h"

#include <algorithm>

namespace
{
	/** A number too large for any key or cell a terminal reports; parameters stop growing there. */
	constexpr int32 ParameterLimit = 1 << 20;

	/** Mouse report button bits: the low two name the button (3: released), then modifiers, motion and the wheel. */
	constexpr int32 MouseButtonBits = 3;
	constexpr int32 MouseMotionBit = 32;
	constexpr int32 MouseWheelBit = 64;

	/** The numbers of "1;5" and the like; an empty parameter is 0 (its default). */
	TArray<int32> ParseParameters(std::string_view Parameters)
	{
		TArray<int32> Numbers;
		Numbers.Add(0);
		for (const char Character : Parameters)
		{
			if (Character == ';')
			{
				Numbers.Add(0);
			}
			else if (Character >= '0' && Character <= '9')
			{
				int32& Number = Numbers.Last();
				Number = std::min(Number * 10 + (Character - '0'), ParameterLimit);
			}
			else
			{
				// Sub-parameters and private markers are not part of any key this host reads.
				return TArray<int32>();
			}
		}
		return Numbers;
	}

	FHostInputEvent MakeKey(EHostKey Key, bool bShift = false, bool bControl = false, bool bAlt = false)
	{
		FHostInputEvent Event;
		Event.Kind = FHostInputEvent::EKind::KeyPress;
		Event.Key = FHostKeyPress::Named(Key);
		Event.Key.bShift = bShift;
		Event.Key.bControl = bControl;
		Event.Key.bAlt = bAlt;
		return Event;
	}

	/** Applies xterm's modifier parameter: 1 + (1 Shift, 2 Alt, 4 Ctrl, 8 Meta, which counts as Alt). */
	void ApplyModifier(int32 Modifier, FHostKeyPress& Key)
	{
		if (Modifier < 2 || Modifier > 16)
		{
			return;
		}
		const int32 Bits = Modifier - 1;
		Key.bShift = (Bits & 1) != 0;
		Key.bAlt = (Bits & (2 | 8)) != 0;
		Key.bControl = (Bits & 4) != 0;
	}

	EHostKey FunctionKey(int32 Index)
	{
		return static_cast<EHostKey>(static_cast<int32>(EHostKey::F1) + Index);
	}

	/** The key of "ESC [ n ~" (and rxvt's "$", "^", "@" forms); false for none this host reads. */
	bool GetTildeKey(int32 Number, EHostKey& Out)
	{
		switch (Number)
		{
		case 1: case 7: Out = EHostKey::Home; return true;
		case 3: Out = EHostKey::Delete; return true;
		case 4: case 8: Out = EHostKey::End; return true;
		case 5: Out = EHostKey::PageUp; return true;
		case 6: Out = EHostKey::PageDown; return true;
		case 11: case 12: case 13: case 14: case 15: Out = FunctionKey(Number - 11); return true;
		case 17: case 18: case 19: case 20: case 21: Out = FunctionKey(Number - 17 + 5); return true;
		case 23: case 24: Out = FunctionKey(Number - 23 + 10); return true;
		// 2 is Insert, which no part of the host uses; 200 and 201 outside a paste are strays.
		default: return false;
		}
	}

	/** The key of a final letter shared by "ESC [" and "ESC O": arrows, Home, End, F1-F4. */
	bool GetLetterKey(char Final, EHostKey& Out)
	{
		switch (Final)
		{
		case 'A': Out = EHostKey::Up; return true;
		case 'B': Out = EHostKey::Down; return true;
		case 'C': Out = EHostKey::Right; return true;
		case 'D': Out = EHostKey::Left; return true;
		case 'H': Out = EHostKey::Home; return true;
		case 'F': Out = EHostKey::End; return true;
		case 'P': Out = EHostKey::F1; return true;
		case 'Q': Out = EHostKey::F2; return true;
		case 'R': Out = EHostKey::F3; return true;
		case 'S': Out = EHostKey::F4; return true;
		default: return false;
		}
	}

	/** rxvt's lower-case arrow finals: Shift+arrow after "ESC [", Ctrl+arrow after "ESC O". */
	bool GetRxvtArrow(char Final, EHostKey& Out)
	{
		switch (Final)
		{
		case 'a': Out = EHostKey::Up; return true;
		case 'b': Out = EHostKey::Down; return true;
		case 'c': Out = EHostKey::Right; return true;
		case 'd': Out = EHostKey::Left; return true;
		default: return false;
		}
	}

	/** A mouse report at a cell counted from 1: a press of the first button is a click, motion a move. */
	bool MakeMouseEvent(int32 Button, int32 Column, int32 Row, bool bRelease, FHostInputEvent& Out)
	{
		if (Column < 1 || Row < 1 || (Button & MouseWheelBit) != 0)
		{
			return false;
		}
		if ((Button & MouseMotionBit) != 0)
		{
			Out.Kind = FHostInputEvent::EKind::MouseMove;
		}
		else if (!bRelease && (Button & MouseButtonBits) == 0)
		{
			Out.Kind = FHostInputEvent::EKind::MouseClick;
		}
		else
		{
			return false;
		}
		Out.Click = FHostMouseClick{Column - 1, Row - 1};
		return true;
	}

	bool DecodeSgrMouseReport(std::string_view Parameters, char Final, FHostInputEvent& Out)
	{
		const TArray<int32> Numbers = ParseParameters(Parameters);
		if (Numbers.Num() != 3 || (Final != 'M' && Final != 'm'))
		{
			return false;
		}
		return MakeMouseEvent(Numbers[0], Numbers[1], Numbers[2], Final == 'm', Out);
	}
}

bool DecodeControlSequence(std::string_view Parameters, char Final, FHostInputEvent& Out)
{
	if (!Parameters.empty() && Parameters.front() == '<')
	{
		return DecodeSgrMouseReport(Parameters.substr(1), Final, Out);
	}
	const TArray<int32> Numbers = ParseParameters(Parameters);
	if (Numbers.IsEmpty())
	{
		return false;
	}
	const int32 Modifier = Numbers.Num() >= 2 ? Numbers[1] : 0;
	EHostKey Key = EHostKey::Character;
	switch (Final)
	{
	case '~':
	case '$':
	case '^':
	case '@':
		if (!GetTildeKey(Numbers[0], Key))
		{
			return false;
		}
		Out = MakeKey(Key, Final == '$' || Final == '@', Final == '^' || Final == '@');
		ApplyModifier(Modifier, Out.Key);
		return true;
	case 'Z':
		Out = MakeKey(EHostKey::Tab, true);
		return true;
	default:
		break;
	}
	if (GetRxvtArrow(Final, Key))
	{
		Out = MakeKey(Key, true);
		return true;
	}
	if (!GetLetterKey(Final, Key))
	{
		return false;
	}
	Out = MakeKey(Key);
	ApplyModifier(Modifier, Out.Key);
	return true;
}

bool DecodeSingleShiftSequence(char Final, FHostInputEvent& Out)
{
	EHostKey Key = EHostKey::Character;
	if (Final == 'M')
	{
		// The keypad's Enter in application mode.
		Out = MakeKey(EHostKey::Enter);
		return true;
	}
	if (GetRxvtArrow(Final, Key))
	{
		Out = MakeKey(Key, false, true);
		return true;
	}
	if (!GetLetterKey(Final, Key))
	{
		return false;
	}
	Out = MakeKey(Key);
	return true;
}

bool DecodeLinuxFunctionKey(char Final, FHostInputEvent& Out)
{
	if (Final < 'A' || Final > 'E')
	{
		return false;
	}
	Out = MakeKey(FunctionKey(Final - 'A'));
	return true;
}

bool DecodeX10MouseReport(const uint8 (&Bytes)[3], FHostInputEvent& Out)
{
	// Each value is offset by 32 so that it is a printable byte; a cell beyond 223 cannot be sent (0 comes instead).
	if (Bytes[0] < 32)
	{
		return false;
	}
	const int32 Button = Bytes[0] - 32;
	return MakeMouseEvent(Button, Bytes[1] - 32, Bytes[2] - 32, (Button & MouseButtonBits) == MouseButtonBits, Out);
}
