// The streaming encoder of text files: the same bytes whatever the pieces
// and the block size, blocks handed over in order, and nothing more once
// the sink refuses a block.
#include "Misc/TextFileEncoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	/** Keeps every block it takes, and refuses the block numbered RefuseAt (0 for the first) and any after it. */
	class FBlockRecorder final : public IByteBlockSink
	{
	public:
		explicit FBlockRecorder(int InRefuseAt = -1) : RefuseAt(InRefuseAt) {}

		bool Write(const uint8* Bytes, SIZE_T Size) override
		{
			if (RefuseAt >= 0 && static_cast<int>(Blocks.size()) >= RefuseAt)
			{
				++Refused;
				return false;
			}
			Blocks.emplace_back(Bytes, Bytes + Size);
			return true;
		}

		std::string All() const
		{
			std::string Bytes;
			for (const std::string& Block : Blocks)
			{
				Bytes += Block;
			}
			return Bytes;
		}

		std::vector<std::string> Blocks;
		int Refused = 0;

	private:
		int RefuseAt;
	};

	std::string Encode(ETextFileForm Form, const std::vector<std::u16string>& Pieces, SIZE_T BlockBytes, FBlockRecorder& Sink)
	{
		FTextFileEncoder Encoder(Sink, Form, BlockBytes);
		for (const std::u16string& Piece : Pieces)
		{
			Encoder.Push(Piece.data(), Piece.size());
		}
		EXPECT_TRUE(Encoder.Finish());
		return Sink.All();
	}
}

TEST(TextFileEncoder, FormOfATextIsUtf16OnlyForAUnitOf128OrMore)
{
	struct FCase { const char* Name; std::u16string Text; ETextFileForm Form; };
	const FCase Cases[] = {
		{"empty", u"", ETextFileForm::Ascii},
		{"ASCII up to DEL", u"a\x7F", ETextFileForm::Ascii},
		{"NUL is ASCII", std::u16string(u"a\0b", 3), ETextFileForm::Ascii},
		{"U+0080", u"a\x0080", ETextFileForm::Utf16},
		{"a lone surrogate", u"\xD800", ETextFileForm::Utf16},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(FTextFileEncoder::FormOf(Case.Text), Case.Form) << Case.Name;
	}
}

TEST(TextFileEncoder, GivesTheSameBytesWhateverThePiecesAndBlocks)
{
	struct FCase { const char* Name; ETextFileForm Form; std::vector<std::u16string> Pieces; SIZE_T BlockBytes; std::string Bytes; };
	const FCase Cases[] = {
		{"ASCII in one block", ETextFileForm::Ascii, {u"abc"}, 16, "abc"},
		{"ASCII across blocks of two", ETextFileForm::Ascii, {u"ab", u"cde"}, 2, "abcde"},
		{"UTF-16 starts with its mark", ETextFileForm::Utf16, {u"a\x00E9"}, 16, std::string("\xFF\xFE" "a\0\xE9\0", 6)},
		{"UTF-16 units never split across blocks of three", ETextFileForm::Utf16, {u"\x20AC", u"b"}, 3,
			std::string("\xFF\xFE\xAC\x20" "b\0", 6)},
		{"an empty ASCII text has no bytes", ETextFileForm::Ascii, {}, 16, ""},
		// ASCII units are narrowed eight at a time: pieces and blocks that end inside a group of eight.
		{"ASCII of nine units in blocks of six", ETextFileForm::Ascii, {u"abcdefghi"}, 6, "abcdefghi"},
		{"ASCII of three, five and eight units", ETextFileForm::Ascii, {u"abc", u"defgh", u"ijklmnop"}, 16, "abcdefghijklmnop"},
		{"ASCII of seventeen units in one piece", ETextFileForm::Ascii, {u"abcdefghijklmnopq"}, 64, "abcdefghijklmnopq"},
		{"ASCII up to DEL in groups of four", ETextFileForm::Ascii, {u"\x7F\x01 ~\x7F\x7F\x7F\x7F"}, 16, "\x7F\x01 ~\x7F\x7F\x7F\x7F"},
		{"an empty UTF-16 text is its mark", ETextFileForm::Utf16, {u""}, 16, "\xFF\xFE"},
	};
	for (const FCase& Case : Cases)
	{
		FBlockRecorder Sink;
		EXPECT_EQ(Encode(Case.Form, Case.Pieces, Case.BlockBytes, Sink), Case.Bytes) << Case.Name;
		for (const std::string& Block : Sink.Blocks)
		{
			EXPECT_LE(Block.size(), Case.BlockBytes) << Case.Name;
			EXPECT_FALSE(Block.empty()) << Case.Name;
		}
	}
}

TEST(TextFileEncoder, HandsNothingOverAfterTheSinkRefusesABlock)
{
	FBlockRecorder Sink(1);
	FTextFileEncoder Encoder(Sink, ETextFileForm::Ascii, 2);
	Encoder.Push(u"abcdefgh", 8);
	EXPECT_FALSE(Encoder.Finish());
	EXPECT_EQ(Sink.All(), "ab");
	EXPECT_EQ(Sink.Refused, 1);
}

TEST(TextFileEncoderDeathTest, StopsOnAWideUnitInATextStatedAsAscii)
{
	EXPECT_DEATH(
		{
			FBlockRecorder Sink;
			FTextFileEncoder Encoder(Sink, ETextFileForm::Ascii, 16);
			Encoder.Push(u"a\x00E9", 2);
		},
		"a text stated as ASCII holds a unit of 128 or more");
	// A wide unit after a long ASCII run, in every lane of a group of eight, and a unit whose low byte is ASCII.
	for (SIZE_T Offset = 0; Offset < 8; ++Offset)
	{
		for (const char16_t Wide : {u'\x0080', u'\x0141', u'\xFF41'})
		{
			const std::u16string Text = std::u16string(32 + Offset, u'a') + Wide + u"bcd";
			EXPECT_DEATH(
				{
					FBlockRecorder Sink;
					FTextFileEncoder Encoder(Sink, ETextFileForm::Ascii, 64);
					Encoder.Push(Text.data(), Text.size());
				},
				"a text stated as ASCII holds a unit of 128 or more")
				<< "offset " << Offset << ", unit " << static_cast<int>(Wide);
		}
	}
}
