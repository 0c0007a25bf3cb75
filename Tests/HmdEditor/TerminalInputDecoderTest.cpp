#include "HmdEditor/Terminal/TerminalInputDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	FHostInputEvent Key(FHostKeyPress Press)
	{
		FHostInputEvent Event;
		Event.Kind = FHostInputEvent::EKind::KeyPress;
		Event.Key = Press;
		return Event;
	}
	FHostInputEvent Named(EHostKey Name, bool bShift = false, bool bControl = false, bool bAlt = false)
	{
		FHostKeyPress Press = FHostKeyPress::Named(Name);
		Press.bShift = bShift;
		Press.bControl = bControl;
		Press.bAlt = bAlt;
		return Key(Press);
	}
	FHostInputEvent Char(char32_t Character, bool bControl = false, bool bAlt = false)
	{
		FHostKeyPress Press = FHostKeyPress::Char(Character);
		Press.bControl = bControl;
		Press.bAlt = bAlt;
		return Key(Press);
	}
	FHostInputEvent Mouse(FHostInputEvent::EKind Kind, int32 Column, int32 Row)
	{
		FHostInputEvent Event;
		Event.Kind = Kind;
		Event.Click = FHostMouseClick{Column, Row};
		return Event;
	}
	FHostInputEvent Click(int32 Column, int32 Row) { return Mouse(FHostInputEvent::EKind::MouseClick, Column, Row); }
	FHostInputEvent Move(int32 Column, int32 Row) { return Mouse(FHostInputEvent::EKind::MouseMove, Column, Row); }
	FHostInputEvent Paste(std::u32string Text)
	{
		FHostInputEvent Event;
		Event.Kind = FHostInputEvent::EKind::Paste;
		Event.Text = std::move(Text);
		return Event;
	}

	std::string Describe(const FHostInputEvent& Event)
	{
		std::string Text;
		switch (Event.Kind)
		{
		case FHostInputEvent::EKind::KeyPress:
			Text = "key " + std::to_string(static_cast<int>(Event.Key.Key)) + " U+" + std::to_string(static_cast<uint32>(Event.Key.Character))
				+ (Event.Key.bShift ? " shift" : "") + (Event.Key.bControl ? " ctrl" : "") + (Event.Key.bAlt ? " alt" : "");
			break;
		case FHostInputEvent::EKind::MouseClick: Text = "click"; break;
		case FHostInputEvent::EKind::MouseMove: Text = "move"; break;
		case FHostInputEvent::EKind::Paste:
			Text = "paste";
			for (const char32_t Character : Event.Text)
			{
				Text += " " + std::to_string(static_cast<uint32>(Character));
			}
			break;
		default: Text = "other"; break;
		}
		if (Event.Kind == FHostInputEvent::EKind::MouseClick || Event.Kind == FHostInputEvent::EKind::MouseMove)
		{
			Text += " " + std::to_string(Event.Click.Column) + "," + std::to_string(Event.Click.Row);
		}
		return Text;
	}

	std::vector<std::string> Describe(const TArray<FHostInputEvent>& Events)
	{
		std::vector<std::string> Lines;
		for (const FHostInputEvent& Event : Events)
		{
			Lines.push_back(Describe(Event));
		}
		return Lines;
	}
	std::vector<std::string> Describe(const std::vector<FHostInputEvent>& Events)
	{
		TArray<FHostInputEvent> Array;
		for (const FHostInputEvent& Event : Events)
		{
			Array.Add(Event);
		}
		return Describe(Array);
	}

	/** Feeds the pieces one read each, then flushes as a reader does when nothing more comes. */
	TArray<FHostInputEvent> Decode(const std::vector<std::string>& Pieces, bool bFlush = true)
	{
		FTerminalInputDecoder Decoder;
		TArray<FHostInputEvent> Events;
		for (const std::string& Piece : Pieces)
		{
			Decoder.Feed(Piece, Events);
		}
		if (bFlush)
		{
			Decoder.Flush(Events);
		}
		return Events;
	}

	struct FCase
	{
		const char* Description;
		std::vector<std::string> Pieces;
		std::vector<FHostInputEvent> Expected;
	};

	void Check(const FCase& Case)
	{
		EXPECT_EQ(Describe(Decode(Case.Pieces)), Describe(Case.Expected)) << Case.Description;
		// The same bytes a byte a read must give the same events: a sequence may be split anywhere.
		std::vector<std::string> Bytes;
		for (const std::string& Piece : Case.Pieces)
		{
			for (const char Byte : Piece)
			{
				Bytes.emplace_back(1, Byte);
			}
		}
		EXPECT_EQ(Describe(Decode(Bytes)), Describe(Case.Expected)) << Case.Description << " (a byte a read)";
	}
}

TEST(TerminalInputDecoder, DecodesTextAndControlBytes)
{
	const FCase Cases[] = {
		{"ASCII letters", {"Zo"}, {Char(U'Z'), Char(U'o')}},
		{"two-byte UTF-8", {"Zo\xC3\xAB"}, {Char(U'Z'), Char(U'o'), Char(U'ë')}},
		{"UTF-8 split between reads", {"\xC3", "\xAB"}, {Char(U'ë')}},
		{"three-byte UTF-8", {"\xE6\x96\x87"}, {Char(U'文')}},
		{"four-byte UTF-8 (emoji)", {"\xF0\x9F\x98\x80"}, {Char(U'\U0001F600')}},
		{"Enter as CR", {"\r"}, {Named(EHostKey::Enter)}},
		{"Enter as LF", {"\n"}, {Named(EHostKey::Enter)}},
		{"Tab", {"\t"}, {Named(EHostKey::Tab)}},
		{"Backspace as DEL", {"\x7F"}, {Named(EHostKey::Backspace)}},
		{"Backspace as ^H", {"\x08"}, {Named(EHostKey::Backspace)}},
		{"Ctrl+C is the letter with Ctrl", {"\x03"}, {Char(U'c', true)}},
		{"Ctrl+Q", {"\x11"}, {Char(U'q', true)}},
		{"Ctrl+Z reaches the reader as the letter", {"\x1A"}, {Char(U'z', true)}},
		{"Ctrl+Space and Ctrl+\\ are no keys", {"\x00\x1C"}, {}},
		{"a space", {" "}, {Char(U' ')}},
	};
	for (const FCase& Case : Cases)
	{
		Check(Case);
	}
}

TEST(TerminalInputDecoder, ReplacesIllFormedUtf8AndGoesOn)
{
	const FCase Cases[] = {
		{"a stray continuation byte", {"a\x80" "b"}, {Char(U'a'), Char(U'\uFFFD'), Char(U'b')}},
		{"a lead byte broken off by ASCII", {"\xC3" "b"}, {Char(U'\uFFFD'), Char(U'b')}},
		{"a lead byte broken off by Escape", {"\xC3\x1B[D"}, {Char(U'\uFFFD'), Named(EHostKey::Left)}},
		{"an overlong form", {"\xC0\xAF"}, {Char(U'\uFFFD'), Char(U'\uFFFD')}},
		{"an overlong three-byte form", {"\xE0\x80\x80"}, {Char(U'\uFFFD'), Char(U'\uFFFD'), Char(U'\uFFFD')}},
		{"a surrogate", {"\xED\xA0\x80"}, {Char(U'\uFFFD'), Char(U'\uFFFD'), Char(U'\uFFFD')}},
		{"beyond U+10FFFF", {"\xF4\x90\x80\x80"}, {Char(U'\uFFFD'), Char(U'\uFFFD'), Char(U'\uFFFD'), Char(U'\uFFFD')}},
		{"a byte no UTF-8 has", {"\xFF" "x"}, {Char(U'\uFFFD'), Char(U'x')}},
		{"a Latin-1 e with diaeresis", {"Zo\xEB"}, {Char(U'Z'), Char(U'o'), Char(U'\uFFFD')}},
		{"a C1 control in UTF-8 is no key", {"\xC2\x9B" "a"}, {Char(U'a')}},
	};
	for (const FCase& Case : Cases)
	{
		Check(Case);
	}
}

TEST(TerminalInputDecoder, DecodesKeySequences)
{
	const FCase Cases[] = {
		{"arrows", {"\x1B[A\x1B[B\x1B[C\x1B[D"}, {Named(EHostKey::Up), Named(EHostKey::Down), Named(EHostKey::Right), Named(EHostKey::Left)}},
		{"arrows in application mode", {"\x1BOA\x1BOD"}, {Named(EHostKey::Up), Named(EHostKey::Left)}},
		{"Home and End, xterm", {"\x1B[H\x1B[F"}, {Named(EHostKey::Home), Named(EHostKey::End)}},
		{"Home and End, SS3", {"\x1BOH\x1BOF"}, {Named(EHostKey::Home), Named(EHostKey::End)}},
		{"Home and End, VT220", {"\x1B[1~\x1B[4~"}, {Named(EHostKey::Home), Named(EHostKey::End)}},
		{"Home and End, rxvt", {"\x1B[7~\x1B[8~"}, {Named(EHostKey::Home), Named(EHostKey::End)}},
		{"PageUp and PageDown", {"\x1B[5~\x1B[6~"}, {Named(EHostKey::PageUp), Named(EHostKey::PageDown)}},
		{"Delete", {"\x1B[3~"}, {Named(EHostKey::Delete)}},
		{"Insert is dropped whole", {"\x1B[2~x"}, {Char(U'x')}},
		{"F1-F4, SS3", {"\x1BOP\x1BOQ\x1BOR\x1BOS"}, {Named(EHostKey::F1), Named(EHostKey::F2), Named(EHostKey::F3), Named(EHostKey::F4)}},
		{"F1-F5, rxvt and VT220", {"\x1B[11~\x1B[12~\x1B[13~\x1B[14~\x1B[15~"},
			{Named(EHostKey::F1), Named(EHostKey::F2), Named(EHostKey::F3), Named(EHostKey::F4), Named(EHostKey::F5)}},
		{"F6-F12", {"\x1B[17~\x1B[18~\x1B[19~\x1B[20~\x1B[21~\x1B[23~\x1B[24~"},
			{Named(EHostKey::F6), Named(EHostKey::F7), Named(EHostKey::F8), Named(EHostKey::F9), Named(EHostKey::F10), Named(EHostKey::F11),
				Named(EHostKey::F12)}},
		{"F1-F5, Linux console", {"\x1B[[A\x1B[[E"}, {Named(EHostKey::F1), Named(EHostKey::F5)}},
		{"Shift+Tab", {"\x1B[Z"}, {Named(EHostKey::Tab, true)}},
		{"Ctrl+Left and Ctrl+Right, xterm", {"\x1B[1;5D\x1B[1;5C"}, {Named(EHostKey::Left, false, true), Named(EHostKey::Right, false, true)}},
		{"Ctrl+Left and Ctrl+Right, rxvt", {"\x1BOd\x1BOc"}, {Named(EHostKey::Left, false, true), Named(EHostKey::Right, false, true)}},
		{"Shift+Up, xterm and rxvt", {"\x1B[1;2A\x1B[a"}, {Named(EHostKey::Up, true), Named(EHostKey::Up, true)}},
		{"Alt+Right", {"\x1B[1;3C"}, {Named(EHostKey::Right, false, false, true)}},
		{"Ctrl+Shift+Alt+Home", {"\x1B[1;8H"}, {Named(EHostKey::Home, true, true, true)}},
		{"Meta counts as Alt", {"\x1B[1;9D"}, {Named(EHostKey::Left, false, false, true)}},
		{"Shift+F5 and Ctrl+Delete, xterm", {"\x1B[15;2~\x1B[3;5~"}, {Named(EHostKey::F5, true), Named(EHostKey::Delete, false, true)}},
		{"Shift+F1, xterm", {"\x1B[1;2P"}, {Named(EHostKey::F1, true)}},
		{"Shift+Delete, Ctrl+PageUp, Ctrl+Shift+End, rxvt", {"\x1B[3$\x1B[5^\x1B[8@"},
			{Named(EHostKey::Delete, true), Named(EHostKey::PageUp, false, true), Named(EHostKey::End, true, true)}},
		{"Alt+Up as Escape before the sequence", {"\x1B\x1B[A"}, {Named(EHostKey::Up, false, false, true)}},
		{"keypad Enter", {"\x1BOM"}, {Named(EHostKey::Enter)}},
	};
	for (const FCase& Case : Cases)
	{
		Check(Case);
	}
}

TEST(TerminalInputDecoder, EscapeAndAlt)
{
	const FCase Cases[] = {
		{"a lone Escape, once nothing follows", {"\x1B"}, {Named(EHostKey::Escape)}},
		{"Escape twice", {"\x1B\x1B"}, {Named(EHostKey::Escape), Named(EHostKey::Escape)}},
		{"Escape three times", {"\x1B\x1B\x1B"}, {Named(EHostKey::Escape), Named(EHostKey::Escape), Named(EHostKey::Escape)}},
		{"Alt+f", {"\x1B" "f"}, {Char(U'f', false, true)}},
		{"Alt+Shift+F answers as Alt+f", {"\x1B" "F"}, {Char(U'f', false, true)}},
		{"Escape then Alt+x", {"\x1B\x1Bx"}, {Named(EHostKey::Escape), Char(U'x', false, true)}},
		{"Escape before a control byte stands alone", {"\x1B\r"}, {Named(EHostKey::Escape), Named(EHostKey::Enter)}},
		{"Escape before a space stands alone", {"\x1B "}, {Named(EHostKey::Escape), Char(U' ')}},
		{"Escape before UTF-8 stands alone", {"\x1B\xC3\xAB"}, {Named(EHostKey::Escape), Char(U'ë')}},
		{"Alt+[ once nothing follows", {"\x1B["}, {Char(U'[', false, true)}},
		{"Alt+Shift+O once nothing follows", {"\x1BO"}, {Char(U'o', false, true)}},
	};
	for (const FCase& Case : Cases)
	{
		Check(Case);
	}
}

TEST(TerminalInputDecoder, DropsUnknownSequencesWhole)
{
	const FCase Cases[] = {
		{"an unknown final byte", {"\x1B[5za"}, {Char(U'a')}},
		{"an unknown number", {"\x1B[99~a"}, {Char(U'a')}},
		{"a private marker", {"\x1B[?1;2ca"}, {Char(U'a')}},
		{"focus reports", {"\x1B[I\x1B[Oa"}, {Char(U'a')}},
		{"an unknown SS3 key", {"\x1BOza"}, {Char(U'a')}},
		{"an unknown Linux console key", {"\x1B[[Za"}, {Char(U'a')}},
		{"a sequence too long for any key", {"\x1B[" + std::string(100, '1') + "~a"}, {Char(U'a')}},
		{"a sequence broken off by a control byte", {"\x1B[1;\x03"}, {Char(U'c', true)}},
		{"an incomplete sequence at the end", {"\x1B[1;5"}, {}},
		{"a stray paste end", {"\x1B[201~a"}, {Char(U'a')}},
		{"intermediate bytes", {"\x1B[1 qa"}, {Char(U'a')}},
	};
	for (const FCase& Case : Cases)
	{
		Check(Case);
	}
}

TEST(TerminalInputDecoder, DecodesMouseReports)
{
	const FCase Cases[] = {
		{"SGR press of the first button", {"\x1B[<0;5;3M"}, {Click(4, 2)}},
		{"SGR click beyond column 223", {"\x1B[<0;300;40M"}, {Click(299, 39)}},
		{"SGR release is no click", {"\x1B[<0;5;3m"}, {}},
		{"SGR press with Ctrl held still clicks", {"\x1B[<16;5;3M"}, {Click(4, 2)}},
		{"SGR other buttons are no click", {"\x1B[<1;5;3M\x1B[<2;5;3M"}, {}},
		{"SGR wheel is dropped", {"\x1B[<64;5;3M\x1B[<65;5;3M"}, {}},
		{"SGR motion without a button", {"\x1B[<35;10;1M"}, {Move(9, 0)}},
		{"SGR motion with the first button held", {"\x1B[<32;10;1M"}, {Move(9, 0)}},
		{"SGR with a cell 0 is dropped", {"\x1B[<0;0;3M"}, {}},
		{"SGR with too few numbers is dropped", {"\x1B[<0;5M"}, {}},
		{"X10 press", {std::string("\x1B[M") + char(32) + char(33 + 4) + char(33 + 2)}, {Click(4, 2)}},
		{"X10 press beyond column 95", {std::string("\x1B[M") + char(32) + char(static_cast<char>(33 + 150)) + char(33)}, {Click(150, 0)}},
		{"X10 release", {std::string("\x1B[M") + char(35) + char(40) + char(40)}, {}},
		{"X10 motion", {std::string("\x1B[M") + char(67) + char(40) + char(41)}, {Move(7, 8)}},
		{"a mouse report is never typed text", {"\x1B[<0;5;3Mx\x1B[<35;1;1M"}, {Click(4, 2), Char(U'x'), Move(0, 0)}},
	};
	for (const FCase& Case : Cases)
	{
		Check(Case);
	}
}

TEST(TerminalInputDecoder, DecodesBracketedPaste)
{
	const FCase Cases[] = {
		{"pasted text is one paste", {"\x1B[200~Zo\xC3\xAB 7\x1B[201~"}, {Paste(U"Zoë 7")}},
		{"keys after a paste are keys", {"\x1B[200~ab\x1B[201~\r"}, {Paste(U"ab"), Named(EHostKey::Enter)}},
		{"line breaks and tabs are kept as they came", {"\x1B[200~a\r\nb\tc\x1B[201~"}, {Paste(U"a\r\nb\tc")}},
		{"escape bytes inside are text, not keys", {"\x1B[200~a\x1B[Db\x1B\x1B[201~"}, {Paste(U"a\x1B[Db\x1B")}},
		{"the end marker split between reads", {"\x1B[200~ab\x1B[2", "01~x"}, {Paste(U"ab"), Char(U'x')}},
		{"UTF-8 split between reads", {"\x1B[200~\xE6\x96", "\x87\x1B[201~"}, {Paste(U"文")}},
		{"ill-formed UTF-8 inside", {"\x1B[200~a\xFF\x1B[201~"}, {Paste(U"a\uFFFD")}},
		{"an empty paste is nothing", {"\x1B[200~\x1B[201~"}, {}},
		{"a paste whose end never came is pasted as far as it came", {"\x1B[200~abc"}, {Paste(U"abc")}},
	};
	for (const FCase& Case : Cases)
	{
		Check(Case);
	}
}

TEST(TerminalInputDecoder, TellsTheReaderHowLongToWait)
{
	struct FWaitCase { const char* Description; std::string Bytes; FTerminalInputDecoder::EWait Expected; };
	const FWaitCase Cases[] = {
		{"nothing held", "ab", FTerminalInputDecoder::EWait::None},
		{"a lone Escape", "\x1B", FTerminalInputDecoder::EWait::Sequence},
		{"an incomplete sequence", "\x1B[1;", FTerminalInputDecoder::EWait::Sequence},
		{"half a character", "\xE6\x96", FTerminalInputDecoder::EWait::Sequence},
		{"a paste in progress", "\x1B[200~ab", FTerminalInputDecoder::EWait::Paste},
		{"a complete sequence", "\x1B[A", FTerminalInputDecoder::EWait::None},
	};
	for (const FWaitCase& Case : Cases)
	{
		FTerminalInputDecoder Decoder;
		TArray<FHostInputEvent> Events;
		Decoder.Feed(Case.Bytes, Events);
		EXPECT_EQ(Decoder.GetWait(), Case.Expected) << Case.Description;
		Decoder.Flush(Events);
		EXPECT_EQ(Decoder.GetWait(), FTerminalInputDecoder::EWait::None) << Case.Description << ": nothing is held after a flush";
	}
}
