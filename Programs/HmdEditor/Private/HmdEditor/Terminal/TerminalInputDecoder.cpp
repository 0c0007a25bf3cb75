#include "HmdEditor/Terminal/TerminalInputDecoder.h"

#include "HmdEditor/Terminal/TerminalSequences.h"

namespace
{
	constexpr uint8 EscapeByte = 0x1B;
	constexpr uint8 DeleteByte = 0x7F;
	constexpr uint8 ControlH = 0x08;
	/** Longer parameters than this belong to no key or mouse report: the sequence is skipped. */
	constexpr SIZE_T ParameterLimit = 32;

	FHostInputEvent MakeKeyEvent(const FHostKeyPress& Press)
	{
		FHostInputEvent Event;
		Event.Kind = FHostInputEvent::EKind::KeyPress;
		Event.Key = Press;
		return Event;
	}

	FHostInputEvent MakeAltKeyEvent(char32_t Character)
	{
		// Alt+Shift+F arrives as Escape "F"; menus answer to the letter whatever its case.
		if (Character >= U'A' && Character <= U'Z')
		{
			Character += U'a' - U'A';
		}
		FHostKeyPress Press = FHostKeyPress::Char(Character);
		Press.bAlt = true;
		return MakeKeyEvent(Press);
	}

	bool IsFinalByte(uint8 Byte) { return Byte >= 0x40 && Byte <= 0x7E; }
	bool IsParameterByte(uint8 Byte) { return Byte >= 0x20 && Byte <= 0x3F; }
}

void FTerminalInputDecoder::Feed(std::string_view Bytes, TArray<FHostInputEvent>& Out)
{
	for (const char Byte : Bytes)
	{
		Push(static_cast<uint8>(Byte), Out);
	}
}

FTerminalInputDecoder::EWait FTerminalInputDecoder::GetWait() const
{
	if (State == EState::Paste)
	{
		return EWait::Paste;
	}
	return State == EState::Ground && !Utf8.IsIncomplete() ? EWait::None : EWait::Sequence;
}

void FTerminalInputDecoder::Flush(TArray<FHostInputEvent>& Out)
{
	switch (State)
	{
	case EState::Ground:
		Utf8.Finish([this, &Out](char32_t CodePoint) { OnCodePoint(CodePoint, Out); });
		break;
	case EState::Escape:
		FlushAltPrefix(Out);
		Out.Add(MakeKeyEvent(FHostKeyPress::Named(EHostKey::Escape)));
		break;
	case EState::ControlSequence:
		if (Parameters.empty())
		{
			FlushAltPrefix(Out);
			Out.Add(MakeAltKeyEvent(U'['));
		}
		break;
	case EState::SingleShift:
		FlushAltPrefix(Out);
		Out.Add(MakeAltKeyEvent(U'O'));
		break;
	case EState::Paste:
		EndPaste(Out);
		break;
	case EState::SkippedSequence:
	case EState::LinuxFunctionKey:
	case EState::X10Mouse:
		break;
	}
	State = EState::Ground;
	bAltPrefix = false;
}

void FTerminalInputDecoder::Push(uint8 Byte, TArray<FHostInputEvent>& Out)
{
	switch (State)
	{
	case EState::Ground:
		Utf8.Push(Byte, [this, &Out](char32_t CodePoint) { OnCodePoint(CodePoint, Out); });
		return;
	case EState::Escape:
		PushEscaped(Byte, Out);
		return;
	case EState::ControlSequence:
		PushControlSequence(Byte, Out);
		return;
	case EState::SkippedSequence:
		if (IsFinalByte(Byte))
		{
			State = EState::Ground;
			bAltPrefix = false;
		}
		else if (!IsParameterByte(Byte))
		{
			State = EState::Ground;
			bAltPrefix = false;
			Push(Byte, Out);
		}
		return;
	case EState::SingleShift:
	case EState::LinuxFunctionKey:
	{
		const bool bSingleShift = State == EState::SingleShift;
		State = EState::Ground;
		if (!IsFinalByte(Byte))
		{
			// Broken off: the byte starts afresh.
			bAltPrefix = false;
			Push(Byte, Out);
			return;
		}
		FHostInputEvent Event;
		if (bSingleShift ? DecodeSingleShiftSequence(static_cast<char>(Byte), Event) : DecodeLinuxFunctionKey(static_cast<char>(Byte), Event))
		{
			AddSequenceEvent(Event, Out);
		}
		bAltPrefix = false;
		return;
	}
	case EState::X10Mouse:
		X10Bytes[X10Count++] = Byte;
		if (X10Count == 3)
		{
			State = EState::Ground;
			bAltPrefix = false;
			FHostInputEvent Event;
			if (DecodeX10MouseReport(X10Bytes, Event))
			{
				Out.Add(Event);
			}
		}
		return;
	case EState::Paste:
		PushPaste(Byte, Out);
		return;
	}
}

void FTerminalInputDecoder::OnCodePoint(char32_t CodePoint, TArray<FHostInputEvent>& Out)
{
	switch (CodePoint)
	{
	case EscapeByte:
		State = EState::Escape;
		return;
	case U'\r':
	case U'\n':
		Out.Add(MakeKeyEvent(FHostKeyPress::Named(EHostKey::Enter)));
		return;
	case U'\t':
		Out.Add(MakeKeyEvent(FHostKeyPress::Named(EHostKey::Tab)));
		return;
	case DeleteByte:
	case ControlH:
		Out.Add(MakeKeyEvent(FHostKeyPress::Named(EHostKey::Backspace)));
		return;
	default:
		break;
	}
	// In raw mode Ctrl+<letter> arrives as the letter's control code.
	if (CodePoint >= 1 && CodePoint <= 26)
	{
		FHostKeyPress Press = FHostKeyPress::Char(U'a' + CodePoint - 1);
		Press.bControl = true;
		Out.Add(MakeKeyEvent(Press));
		return;
	}
	// The other control codes (Ctrl+Space, Ctrl+\ and the like, the C1 range) are no key the host uses.
	if (CodePoint < 0x20 || (CodePoint >= 0x80 && CodePoint <= 0x9F))
	{
		return;
	}
	Out.Add(MakeKeyEvent(FHostKeyPress::Char(CodePoint)));
}

void FTerminalInputDecoder::PushEscaped(uint8 Byte, TArray<FHostInputEvent>& Out)
{
	if (Byte == '[')
	{
		State = EState::ControlSequence;
		Parameters.clear();
		return;
	}
	if (Byte == 'O')
	{
		State = EState::SingleShift;
		return;
	}
	if (Byte == EscapeByte)
	{
		// Escape twice: the first may be Alt for a sequence that follows, or a key of its own.
		FlushAltPrefix(Out);
		bAltPrefix = true;
		return;
	}
	State = EState::Ground;
	FlushAltPrefix(Out);
	if (Byte > 0x20 && Byte < DeleteByte)
	{
		Out.Add(MakeAltKeyEvent(static_cast<char32_t>(Byte)));
		return;
	}
	// Escape and a control byte, a space or a non-ASCII byte: both stand alone.
	Out.Add(MakeKeyEvent(FHostKeyPress::Named(EHostKey::Escape)));
	Push(Byte, Out);
}

void FTerminalInputDecoder::PushControlSequence(uint8 Byte, TArray<FHostInputEvent>& Out)
{
	if (Parameters.empty() && Byte == '[')
	{
		State = EState::LinuxFunctionKey;
		return;
	}
	if (Parameters.empty() && Byte == 'M')
	{
		State = EState::X10Mouse;
		X10Count = 0;
		return;
	}
	// rxvt ends Shift+<key> with "$", a byte that would otherwise be an intermediate.
	if (IsFinalByte(Byte) || (Byte == '$' && !Parameters.empty()))
	{
		State = EState::Ground;
		if (Byte == '~' && Parameters == PasteStartParameters)
		{
			FlushAltPrefix(Out);
			State = EState::Paste;
			PasteBytes.clear();
			return;
		}
		FHostInputEvent Event;
		if (DecodeControlSequence(Parameters, static_cast<char>(Byte), Event))
		{
			AddSequenceEvent(Event, Out);
		}
		bAltPrefix = false;
		return;
	}
	if (!IsParameterByte(Byte))
	{
		// Broken off by a control byte or a non-ASCII byte: what came is dropped, the byte starts afresh.
		State = EState::Ground;
		bAltPrefix = false;
		Push(Byte, Out);
		return;
	}
	Parameters.push_back(static_cast<char>(Byte));
	if (Parameters.size() > ParameterLimit)
	{
		State = EState::SkippedSequence;
	}
}

void FTerminalInputDecoder::PushPaste(uint8 Byte, TArray<FHostInputEvent>& Out)
{
	PasteBytes.push_back(static_cast<char>(Byte));
	if (PasteBytes.ends_with(PasteEnd))
	{
		PasteBytes.resize(PasteBytes.size() - PasteEnd.size());
		EndPaste(Out);
		State = EState::Ground;
	}
}

void FTerminalInputDecoder::EndPaste(TArray<FHostInputEvent>& Out)
{
	FHostInputEvent Event;
	Event.Kind = FHostInputEvent::EKind::Paste;
	FUtf8StreamDecoder PasteUtf8;
	const auto Append = [&Event](char32_t CodePoint) { Event.Text.push_back(CodePoint); };
	for (const char Byte : PasteBytes)
	{
		PasteUtf8.Push(static_cast<uint8>(Byte), Append);
	}
	PasteUtf8.Finish(Append);
	PasteBytes.clear();
	if (!Event.Text.empty())
	{
		Out.Add(std::move(Event));
	}
}

void FTerminalInputDecoder::AddSequenceEvent(FHostInputEvent Event, TArray<FHostInputEvent>& Out)
{
	if (bAltPrefix && Event.Kind == FHostInputEvent::EKind::KeyPress)
	{
		Event.Key.bAlt = true;
	}
	bAltPrefix = false;
	Out.Add(std::move(Event));
}

void FTerminalInputDecoder::FlushAltPrefix(TArray<FHostInputEvent>& Out)
{
	if (bAltPrefix)
	{
		bAltPrefix = false;
		Out.Add(MakeKeyEvent(FHostKeyPress::Named(EHostKey::Escape)));
	}
}
