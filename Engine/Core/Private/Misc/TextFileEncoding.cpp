#include "Misc/TextFileEncoding.h"

#include "Containers/StringConv.h"
#include "Misc/TextFileEncoder.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

namespace
{
	constexpr TCHAR ReplacementCharacter = 0xFFFD;

	/** One character per byte. */
	FString Widen(const uint8* Bytes, int64 Size)
	{
		return FString(std::u16string(Bytes, Bytes + Size));
	}

	FString DecodeUtf16(const uint8* Bytes, int64 Size, bool bBigEndian)
	{
		std::u16string Text;
		Text.reserve(static_cast<SIZE_T>(Size / 2 + 1));
		for (int64 Index = 0; Index + 1 < Size; Index += 2)
		{
			const uint8 First = Bytes[Index];
			const uint8 Second = Bytes[Index + 1];
			Text.push_back(static_cast<TCHAR>(bBigEndian ? (First << 8) | Second : (Second << 8) | First));
		}
		if (Size % 2 != 0)
		{
			Text.push_back(ReplacementCharacter);
		}
		return FString(std::move(Text));
	}

	/** Appends every block to an array that has room reserved for the whole file. */
	class FArraySink final : public IByteBlockSink
	{
	public:
		explicit FArraySink(TArray<uint8>& InBytes) : Bytes(InBytes) {}

		bool Write(const uint8* Data, SIZE_T Size) override
		{
			Bytes.Append(Data, static_cast<int32>(Size));
			return true;
		}

	private:
		TArray<uint8>& Bytes;
	};
}

TArray<uint8> FTextFileEncoding::Encode(const FString& Text)
{
	const std::u16string_view Units = Text.View();
	const ETextFileForm Form = FTextFileEncoder::FormOf(Units);
	const SIZE_T BytesPerUnit = Form == ETextFileForm::Ascii ? 1 : 2;
	const SIZE_T MarkBytes = Form == ETextFileForm::Ascii ? 0 : 2;
	checkf(Units.size() <= (static_cast<SIZE_T>(std::numeric_limits<int32>::max()) - MarkBytes) / BytesPerUnit, "text too large for one file buffer");
	const SIZE_T Size = MarkBytes + Units.size() * BytesPerUnit;

	TArray<uint8> Bytes;
	Bytes.Reserve(static_cast<int32>(Size));
	FArraySink Sink(Bytes);
	FTextFileEncoder Encoder(Sink, Form, std::clamp(Size, SIZE_T{2}, FByteBlockBuffer::DefaultBlockBytes));
	Encoder.Push(Units.data(), Units.size());
	Encoder.Finish();
	return Bytes;
}

FString FTextFileEncoding::Decode(const uint8* Bytes, int64 Size)
{
	if (Size >= 2 && Bytes[0] == 0xFF && Bytes[1] == 0xFE)
	{
		return DecodeUtf16(Bytes + 2, Size - 2, false);
	}
	if (Size >= 2 && Bytes[0] == 0xFE && Bytes[1] == 0xFF)
	{
		return DecodeUtf16(Bytes + 2, Size - 2, true);
	}
	if (Size >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF)
	{
		return StringConv::FromUtf8(std::string_view(reinterpret_cast<const char*>(Bytes + 3), static_cast<SIZE_T>(Size - 3)));
	}
	// ASCII is valid UTF-8 and decodes to the same text as one character per byte.
	FString Text;
	if (StringConv::TryFromUtf8(std::string_view(reinterpret_cast<const char*>(Bytes), static_cast<SIZE_T>(Size)), Text))
	{
		return Text;
	}
	return Widen(Bytes, Size);
}
