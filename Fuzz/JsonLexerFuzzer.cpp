// libFuzzer target for the JSON lexer on its own: any bytes, two per code
// unit (an odd last byte included), are cut into tokens, and each token's
// start and end position must agree with a plain count kept here unit by
// unit: whitespace counted with its line feeds, each token's units as
// characters. A string without escapes or NUL must come out as its units
// stand, and a number as the general conversion reads its text. A broken
// promise stops the run with its description, so libFuzzer keeps the input
// as a crash.
#include "JsonLexer.h"
#include "JsonNumberText.h"
#include "Serialization/BufferReader.h"

#include <cstdio>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
	void Fault(const char* What, const FJsonTextPosition& Expected, const FJsonTextPosition& Found)
	{
		std::fprintf(stderr, "JSON lexer fault: %s: expected line %u ch %u, found line %u ch %u\n", What, Expected.Line, Expected.Ch,
			Found.Line, Found.Ch);
		std::abort();
	}

	bool IsNumberUnit(char16_t Unit)
	{
		return (Unit >= u'0' && Unit <= u'9') || Unit == u'-' || Unit == u'+' || Unit == u'.' || Unit == u'e' || Unit == u'E';
	}

	/** The plain count: where the lexer should be, moved over the text unit by unit. */
	struct FCount
	{
		explicit FCount(const std::vector<char16_t>& InUnits) : Units(InUnits) {}

		const std::vector<char16_t>& Units;
		size_t At = 0;
		FJsonTextPosition Position;

		void SkipWhitespace()
		{
			for (; At < Units.size() && (Units[At] == u' ' || Units[At] == u'\t' || Units[At] == u'\r' || Units[At] == u'\n'); ++At)
			{
				Position = Units[At] == u'\n' ? FJsonTextPosition{Position.Line + 1, 0} : FJsonTextPosition{Position.Line, Position.Ch + 1};
			}
		}

		/** How many units the token of Kind at At takes, and whether a string's units stand as they are. */
		size_t TokenLength(EJsonToken Kind, bool& bOutPlain) const
		{
			bOutPlain = true;
			size_t Length = 1;
			switch (Kind)
			{
			case EJsonToken::True:
			case EJsonToken::Null: return 4;
			case EJsonToken::False: return 5;
			case EJsonToken::Number:
				while (At + Length < Units.size() && IsNumberUnit(Units[At + Length]))
				{
					++Length;
				}
				return Length;
			case EJsonToken::String:
				while (Units[At + Length] != u'"')
				{
					bOutPlain = bOutPlain && Units[At + Length] != u'\\' && Units[At + Length] != 0;
					Length += Units[At + Length] != u'\\' ? 1 : Units[At + Length + 1] == u'u' ? 6 : 2;
				}
				return Length + 1;
			default: return 1;
			}
		}
	};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	std::vector<char16_t> Units(Size / sizeof(char16_t));
	if (!Units.empty())
	{
		std::memcpy(Units.data(), Data, Units.size() * sizeof(char16_t));
	}
	const FBufferReader Stream(Data, static_cast<int64>(Size));
	FJsonLexer Lexer(Stream);
	FCount Count(Units);
	for (;;)
	{
		Count.SkipWhitespace();
		if (!Lexer.Next())
		{
			// A fault is found inside the token it starts, and no further than the end.
			const FJsonTextPosition Found = Lexer.Position();
			if (Found.Line != Count.Position.Line || Found.Ch < Count.Position.Ch ||
				Found.Ch - Count.Position.Ch > Units.size() - Count.At)
			{
				Fault("the position of a fault", Count.Position, Found);
			}
			return 0;
		}
		if (Count.At == Units.size())
		{
			Fault("a token past the end", Count.Position, Lexer.Token().Start);
		}
		const FJsonToken& Token = Lexer.Token();
		if (!(Token.Start == Count.Position))
		{
			Fault("a token's start", Count.Position, Token.Start);
		}
		bool bPlain = true;
		const size_t Length = Count.TokenLength(Token.Kind, bPlain);
		if (Token.Kind == EJsonToken::String && bPlain &&
			Token.Text != FString(std::u16string(Units.data() + Count.At + 1, Length - 2)))
		{
			Fault("a plain string's text", Count.Position, Token.Start);
		}
		if (Token.Kind == EJsonToken::Number)
		{
			// The one-pass reading of a number must give the general conversion's double, bit for bit.
			const std::string Text(Units.begin() + static_cast<std::ptrdiff_t>(Count.At), Units.begin() + static_cast<std::ptrdiff_t>(Count.At + Length));
			const double Expected = JsonNumberText::ToDouble(Text);
			if (std::memcmp(&Expected, &Token.Number, sizeof(double)) != 0)
			{
				Fault("a number's value", Count.Position, Token.Start);
			}
		}
		Count.At += Length;
		Count.Position.Ch += static_cast<uint32>(Length);
		if (!(Lexer.Position() == Count.Position))
		{
			Fault("a token's end", Count.Position, Lexer.Position());
		}
	}
}
