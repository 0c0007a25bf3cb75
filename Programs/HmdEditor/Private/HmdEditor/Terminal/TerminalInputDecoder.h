// Turns the bytes a terminal sends into key presses, clicks, mouse motion and
// pasted text. Terminals send text as UTF-8, Ctrl+<letter> as a control byte,
// Alt+<key> as Escape and the key, and the other keys, mouse reports and
// pastes as escape sequences; the bytes are decoded here whatever the locale
// says, so that input works the same in every locale.
//
// The decoder only looks at bytes: it never waits. A sequence split between
// reads is kept until its rest comes; the reader decides how long to wait for
// it (GetWait) and then calls Flush, which turns a lone Escape into the key.
#pragma once

#include "Containers/Array.h"
#include "HmdEditor/Input/HostInput.h"
#include "HmdEditor/Input/Utf8CodePoints.h"

#include <string>
#include <string_view>

class FTerminalInputDecoder
{
public:
	/** What the decoder holds that more bytes may complete. */
	enum class EWait : uint8
	{
		/** Nothing: wait for input as long as it takes. */
		None,
		/** The start of an escape sequence or character, whose rest comes at once if it comes at all. */
		Sequence,
		/** Pasted text, whose end marker has not come yet. */
		Paste,
	};

	/**
	 * Decodes Bytes, appending each complete event to Out. Bytes that are no
	 * input the host uses (unknown sequences, Insert, mouse releases) are
	 * dropped whole, never typed as text; ill-formed UTF-8 becomes U+FFFD.
	 */
	void Feed(std::string_view Bytes, TArray<FHostInputEvent>& Out);

	EWait GetWait() const;

	/**
	 * Ends what is held when no more bytes came in time: a lone Escape is the
	 * Escape key, Escape and "[" or "O" are Alt with that key, a broken
	 * character is U+FFFD, pasted text without its end marker is pasted as
	 * far as it came; the rest of an incomplete sequence is dropped.
	 */
	void Flush(TArray<FHostInputEvent>& Out);

private:
	enum class EState : uint8
	{
		Ground,
		Escape,
		ControlSequence,
		/** A control sequence too long for any key: skipped up to its final byte. */
		SkippedSequence,
		SingleShift,
		LinuxFunctionKey,
		X10Mouse,
		Paste,
	};

	void Push(uint8 Byte, TArray<FHostInputEvent>& Out);
	void PushEscaped(uint8 Byte, TArray<FHostInputEvent>& Out);
	void PushControlSequence(uint8 Byte, TArray<FHostInputEvent>& Out);
	void PushPaste(uint8 Byte, TArray<FHostInputEvent>& Out);
	void OnCodePoint(char32_t CodePoint, TArray<FHostInputEvent>& Out);
	/** Appends a decoded sequence's event, with Alt when the sequence came after an extra Escape. */
	void AddSequenceEvent(FHostInputEvent Event, TArray<FHostInputEvent>& Out);
	/** Appends the Escape key for the extra Escape before a sequence that did not take it. */
	void FlushAltPrefix(TArray<FHostInputEvent>& Out);
	void EndPaste(TArray<FHostInputEvent>& Out);

	EState State = EState::Ground;
	FUtf8StreamDecoder Utf8;
	/** A second Escape came before the sequence ("ESC ESC [ A" is Alt+Up in some terminals). */
	bool bAltPrefix = false;
	/** The parameter and intermediate bytes of the control sequence being read. */
	std::string Parameters;
	uint8 X10Bytes[3] = {};
	int32 X10Count = 0;
	/** The bytes of a paste so far, its end marker not yet seen. */
	std::string PasteBytes;
};
