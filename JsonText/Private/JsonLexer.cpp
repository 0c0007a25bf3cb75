#include "JsonLexer.h"

#include "JsonNumberText.h"
#include "JsonUnitWords.h"
#include "Serialization/BufferReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace
{
	constexpr int64 UnitBytes = static_cast<int64>(sizeof(TCHAR));

	/** The unit at Bytes, which need not be aligned for code units. */
	TCHAR LoadUnit(const uint8* Bytes)
	{
		TCHAR Unit;
		std::memcpy(&Unit, Bytes, sizeof(Unit));
		return Unit;
	}

	bool IsWhitespace(TCHAR Unit)
	{
		return Unit == u' ' || Unit == u'\t' || Unit == u'\r' || Unit == u'\n';
	}

	bool IsAsciiLetter(TCHAR Unit)
	{
		return (Unit >= u'A' && Unit <= u'Z') || (Unit >= u'a' && Unit <= u'z');
	}

	/** Lower case for ASCII letters; the same as towlower for the letters of true, false and null in every locale. */
	TCHAR ToLowerAscii(TCHAR Unit)
	{
		return Unit >= u'A' && Unit <= u'Z' ? static_cast<TCHAR>(Unit + (u'a' - u'A')) : Unit;
	}

	int32 HexDigitValue(TCHAR Unit)
	{
		if (Unit >= u'0' && Unit <= u'9')
		{
			return Unit - u'0';
		}
		if (Unit >= u'a' && Unit <= u'f')
		{
			return Unit - u'a' + 10;
		}
		if (Unit >= u'A' && Unit <= u'F')
		{
			return Unit - u'A' + 10;
		}
		return -1;
	}

	/**
	 * The number grammar as a state machine. Columns: "-", "+", "0", "1" to
	 * "9", ".", "e" or "E"; -1 where the grammar has no transition. States
	 * 2, 3, 6 and 8 accept.
	 */
	constexpr int8 NumberTransitions[9][6] = {
		{1, -1, 2, 3, -1, -1},   // 0 start
		{-1, -1, 2, 3, -1, -1},  // 1 after minus
		{-1, -1, -1, -1, 4, 5},  // 2 after a leading zero
		{-1, -1, 3, 3, 4, 5},    // 3 in integer digits
		{-1, -1, 6, 6, -1, -1},  // 4 after the point
		{7, 7, 8, 8, -1, -1},    // 5 after the exponent mark
		{-1, -1, 6, 6, -1, 5},   // 6 in fraction digits
		{-1, -1, 8, 8, -1, -1},  // 7 after the exponent sign
		{-1, -1, 8, 8, -1, -1},  // 8 in exponent digits
	};

	/** The column in NumberTransitions of each ASCII unit, -1 for those that are no part of any number. */
	constexpr auto NumberColumns = []()
	{
		std::array<int8, 128> Columns{};
		Columns.fill(-1);
		Columns['-'] = 0;
		Columns['+'] = 1;
		Columns['0'] = 2;
		for (char Digit = '1'; Digit <= '9'; ++Digit)
		{
			Columns[static_cast<SIZE_T>(Digit)] = 3;
		}
		Columns['.'] = 4;
		Columns['e'] = 5;
		Columns['E'] = 5;
		return Columns;
	}();

	/** The column of Unit in NumberTransitions, or -1 for a unit that is no part of any number. */
	int32 NumberColumn(TCHAR Unit)
	{
		return Unit < NumberColumns.size() ? NumberColumns[Unit] : -1;
	}

	/**
	 * The ASCII text of a number being scanned: on the stack while it is
	 * short, as numbers nearly always are, on the heap beyond that.
	 */
	class FNumberText
	{
	public:
		void Add(char Character)
		{
			if (Length < sizeof(Short))
			{
				Short[Length++] = Character;
				return;
			}
			if (Long.empty())
			{
				Long.assign(Short, Length);
			}
			Long.push_back(Character);
		}
		std::string_view View() const { return Long.empty() ? std::string_view(Short, Length) : std::string_view(Long); }

	private:
		char Short[64];
		SIZE_T Length = 0;
		std::string Long;
	};

	bool IsAcceptingNumberState(int32 State)
	{
		return State == 2 || State == 3 || State == 6 || State == 8;
	}
}

FJsonLexer::FJsonLexer(const FBufferReader& Stream)
	: Cursor(Stream.GetRemainingData())
	, End(Cursor + Stream.GetRemainingSize() / UnitBytes * UnitBytes)
	, LineStart(Cursor)
{
}

inline TCHAR FJsonLexer::Peek() const
{
	return LoadUnit(Cursor);
}

inline TCHAR FJsonLexer::Take()
{
	const TCHAR Unit = LoadUnit(Cursor);
	Cursor += UnitBytes;
	return Unit;
}

bool FJsonLexer::Fail(const TCHAR* Message)
{
	Error = Message;
	return false;
}

void FJsonLexer::SkipWhitespace()
{
	// The one place where lines are counted: a line feed between tokens.
	while (!AtEnd() && IsWhitespace(Peek()))
	{
		if (Take() == u'\n')
		{
			++Line;
			LineStart = Cursor;
		}
	}
}

bool FJsonLexer::Next()
{
	SkipWhitespace();
	if (AtEnd())
	{
		return Fail(TEXT("Invalid Json Token."));
	}
	const FJsonTextPosition Start = Position();
	const TCHAR Unit = Take();
	EJsonToken Kind = EJsonToken::None;
	switch (Unit)
	{
	case u'"':
		if (!ScanString())
		{
			return false;
		}
		Kind = EJsonToken::String;
		break;
	case u',': Kind = EJsonToken::Comma; break;
	case u':': Kind = EJsonToken::Colon; break;
	case u'{': Kind = EJsonToken::OpenBrace; break;
	case u'}': Kind = EJsonToken::CloseBrace; break;
	case u'[': Kind = EJsonToken::OpenBracket; break;
	case u']': Kind = EJsonToken::CloseBracket; break;
	case u't':
	case u'T':
	case u'f':
	case u'F':
	case u'n':
	case u'N':
		if (!ScanWord(Unit, Kind))
		{
			return false;
		}
		break;
	default:
		// Any unit of the number grammar starts a number; every other one,
		// NUL included, starts no token.
		if (NumberColumn(Unit) < 0)
		{
			return Fail(TEXT("Invalid Json Token."));
		}
		if (!ScanNumber(Unit))
		{
			return false;
		}
		Kind = EJsonToken::Number;
		break;
	}
	Current.Kind = Kind;
	Current.Start = Start;
	return true;
}

bool FJsonLexer::ScanWord(TCHAR First, EJsonToken& OutKind)
{
	// Only words of four or five letters can match, so longer ones are
	// consumed but not kept.
	constexpr int32 Kept = 5;
	TCHAR Word[Kept] = {ToLowerAscii(First)};
	int32 Length = 1;
	while (!AtEnd() && IsAsciiLetter(Peek()))
	{
		const TCHAR Unit = Take();
		if (Length < Kept)
		{
			Word[Length] = ToLowerAscii(Unit);
		}
		Length = Length <= Kept ? Length + 1 : Length;
	}

	const std::u16string_view Lowered(Word, static_cast<SIZE_T>(Length <= Kept ? Length : 0));
	if (Lowered == u"false")
	{
		OutKind = EJsonToken::False;
		return true;
	}
	if (Lowered == u"true")
	{
		OutKind = EJsonToken::True;
		return true;
	}
	if (Lowered == u"null")
	{
		OutKind = EJsonToken::Null;
		return true;
	}
	return Fail(TEXT("Invalid Json Token. Check that your member names have quotes around them!"));
}

bool FJsonLexer::TryScanWellFormedNumber(TCHAR First)
{
	const auto IsDigit = [](TCHAR Unit) { return Unit >= u'0' && Unit <= u'9'; };
	const uint8* const NumberStart = Cursor - UnitBytes;
	const uint8* Scan = Cursor;
	TCHAR Unit = First;
	// Takes the unit after the one in Unit; false at the end of the text.
	const auto Advance = [&]()
	{
		if (Scan == End)
		{
			return false;
		}
		Unit = LoadUnit(Scan);
		Scan += UnitBytes;
		return true;
	};

	const bool bNegative = First == u'-';
	if (bNegative && !Advance())
	{
		return false;
	}
	if (!IsDigit(Unit))
	{
		return false;
	}
	// All the digits, leading zeros of a fraction included, while they fit the exact conversion.
	uint64 Digits = 0;
	int64 NumDigits = 0;
	const auto TakeDigit = [&]()
	{
		if (++NumDigits <= JsonNumberText::MaxExactDigits)
		{
			Digits = Digits * 10 + static_cast<uint64>(Unit - u'0');
		}
	};
	// After a leading zero only a fraction or an exponent may follow.
	const bool bLeadingZero = Unit == u'0';
	TakeDigit();
	bool bMore = Advance();
	if (!bLeadingZero)
	{
		while (bMore && IsDigit(Unit))
		{
			TakeDigit();
			bMore = Advance();
		}
	}
	int64 FractionDigits = 0;
	if (bMore && Unit == u'.')
	{
		while ((bMore = Advance()) && IsDigit(Unit))
		{
			TakeDigit();
			++FractionDigits;
		}
		if (FractionDigits == 0)
		{
			return false;
		}
	}
	int64 Exponent = 0;
	if (bMore && (Unit == u'e' || Unit == u'E'))
	{
		bMore = Advance();
		const bool bNegativeExponent = bMore && Unit == u'-';
		if (bMore && (Unit == u'-' || Unit == u'+'))
		{
			bMore = Advance();
		}
		int64 ExponentDigits = 0;
		for (; bMore && IsDigit(Unit); bMore = Advance(), ++ExponentDigits)
		{
			Exponent = std::min<int64>(Exponent * 10 + (Unit - u'0'), 1000000);
		}
		if (ExponentDigits == 0)
		{
			return false;
		}
		Exponent = bNegativeExponent ? -Exponent : Exponent;
	}
	// The text must go on after the number, with a unit that is no part of any
	// number; anything else is left to the unit by unit scan and its errors.
	if (!bMore || NumberColumn(Unit) >= 0)
	{
		return false;
	}
	Cursor = Scan - UnitBytes;

	const int64 Power = Exponent - FractionDigits;
	if (NumDigits <= JsonNumberText::MaxExactDigits && Power >= -JsonNumberText::MaxExactPower && Power <= JsonNumberText::MaxExactPower)
	{
		Current.Number = JsonNumberText::FromExactParts(bNegative, Digits, Power);
		return true;
	}
	// Long or far from one: the general conversion reads the text, which is ASCII.
	FNumberText Text;
	for (const uint8* Place = NumberStart; Place != Cursor; Place += UnitBytes)
	{
		Text.Add(static_cast<char>(LoadUnit(Place)));
	}
	Current.Number = JsonNumberText::ToDoubleInGeneral(Text.View());
	return true;
}

bool FJsonLexer::ScanNumber(TCHAR First)
{
	if (TryScanWellFormedNumber(First))
	{
		return true;
	}
	FNumberText Text;
	int32 State = 0;
	TCHAR Unit = First;
	int32 Column = NumberColumn(First);
	for (bool bFirst = true;; bFirst = false)
	{
		// The end is tested before each unit, the first included: the text
		// must go on after a number's last unit.
		if (AtEnd())
		{
			return Fail(TEXT("Number Token Abruptly Ended."));
		}
		if (!bFirst)
		{
			Column = NumberColumn(Peek());
			if (Column < 0)
			{
				break;
			}
			Unit = Take();
		}
		State = NumberTransitions[State][Column];
		if (State < 0)
		{
			return Fail(TEXT("Poorly formed Json Number Token."));
		}
		Text.Add(static_cast<char>(Unit));
	}
	if (!IsAcceptingNumberState(State))
	{
		return Fail(TEXT("Poorly formed Json Number Token."));
	}
	Current.Number = JsonNumberText::ToDouble(Text.View());
	return true;
}

const uint8* FJsonLexer::FindPlainRunEnd() const
{
	const uint8* RunEnd = Cursor;
	constexpr int64 WordBytes = Utf16Lanes::UnitsPerWord * UnitBytes;
	while (End - RunEnd >= WordBytes)
	{
		if (const int32 Unit = JsonUnitWords::FirstEndingPlainRun(Utf16Lanes::Load(RunEnd)); Unit >= 0)
		{
			return RunEnd + Unit * UnitBytes;
		}
		RunEnd += WordBytes;
	}
	while (RunEnd != End)
	{
		const TCHAR Unit = LoadUnit(RunEnd);
		if (Unit == u'"' || Unit == u'\\' || Unit == 0)
		{
			break;
		}
		RunEnd += UnitBytes;
	}
	return RunEnd;
}

void FJsonLexer::TakeUnitsUpTo(const uint8* RunEnd, FString& Out)
{
	if (reinterpret_cast<std::uintptr_t>(Cursor) % alignof(TCHAR) == 0)
	{
		Out.AppendChars(reinterpret_cast<const TCHAR*>(Cursor), static_cast<int32>((RunEnd - Cursor) / UnitBytes));
		Cursor = RunEnd;
		return;
	}
	// Text that is not aligned for code units is copied as bytes, through a small buffer.
	constexpr int64 ChunkUnits = 256;
	TCHAR Chunk[ChunkUnits];
	while (Cursor != RunEnd)
	{
		const int64 Count = std::min(ChunkUnits, (RunEnd - Cursor) / UnitBytes);
		std::memcpy(Chunk, Cursor, static_cast<SIZE_T>(Count * UnitBytes));
		Out.AppendChars(Chunk, static_cast<int32>(Count));
		Cursor += Count * UnitBytes;
	}
}

bool FJsonLexer::ScanString()
{
	// Most strings hold no escape: their text is taken straight into the token.
	const uint8* RunEnd = FindPlainRunEnd();
	if (RunEnd != End && LoadUnit(RunEnd) == u'"')
	{
		Current.Text.Empty();
		TakeUnitsUpTo(RunEnd, Current.Text);
		Cursor += UnitBytes;
		return true;
	}

	// The others are decoded in a buffer of their own, so that a failure leaves the token as it was.
	FString& Decoded = Scanned;
	Decoded.Empty();
	for (;;)
	{
		TakeUnitsUpTo(FindPlainRunEnd(), Decoded);
		if (AtEnd())
		{
			return Fail(TEXT("String Token Abruptly Ended."));
		}
		const TCHAR Unit = Take();
		if (Unit == u'"')
		{
			Current.Text.Empty();
			Current.Text.Append(Decoded);
			return true;
		}
		if (Unit != u'\\')
		{
			// A NUL unit, the only other one that ends a plain run, is
			// dropped: engine text ends at its first NUL.
			continue;
		}

		if (AtEnd())
		{
			return Fail(TEXT("String Token Abruptly Ended."));
		}
		const TCHAR Escape = Take();
		switch (Escape)
		{
		case u'"':
		case u'\\':
		case u'/': Decoded.AppendChar(Escape); break;
		case u'b': Decoded.AppendChar(u'\b'); break;
		case u'f': Decoded.AppendChar(u'\f'); break;
		case u'n': Decoded.AppendChar(u'\n'); break;
		case u'r': Decoded.AppendChar(u'\r'); break;
		case u't': Decoded.AppendChar(u'\t'); break;
		case u'u':
		{
			uint32 Value = 0;
			for (int32 Digit = 0; Digit < 4; ++Digit)
			{
				if (AtEnd())
				{
					return Fail(TEXT("String Token Abruptly Ended."));
				}
				const int32 HexValue = HexDigitValue(Take());
				if (HexValue < 0)
				{
					return Fail(TEXT("Invalid Hexadecimal digit parsed."));
				}
				Value = Value * 16 + static_cast<uint32>(HexValue);
			}
			if (Value != 0)
			{
				Decoded.AppendChar(static_cast<TCHAR>(Value));
			}
			break;
		}
		default:
			return Fail(TEXT("Bad Json escaped char."));
		}
	}
}
