// Which form the saved text takes, told before any of it is written: from
// the input's bytes when they can only give ASCII, otherwise from the tree.
#include "SavedForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

TEST(HmdJsonSavedForm, PlainAsciiInputNeedsEveryByteBelow128AndNoUnicodeEscape)
{
	struct FCase { const char* Name; std::string Bytes; bool bPlainAscii; };
	const FCase Cases[] = {
		{"ASCII", "{\"a\":\"b\\n\"}", true},
		{"empty", "", true},
		{"a UTF-8 character", "{\"a\":\"\xC3\xA9\"}", false},
		{"a byte-order mark", "\xEF\xBB\xBF{}", false},
		{"a unicode escape", "{\"a\":\"\\u0041\"}", false},
		{"an escaped backslash before u still counts, to be safe", "{\"a\":\"\\\\u\"}", false},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(SavedForm::IsPlainAscii(reinterpret_cast<const uint8*>(Case.Bytes.data()), Case.Bytes.size()), Case.bPlainAscii)
			<< Case.Name;
	}
}

TEST(HmdJsonSavedForm, TreeIsUtf16OnlyForAWideUnitTheWriterWrites)
{
	const auto Nested = [](const TSharedPtr<FJsonValue>& Value) {
		TSharedRef<FJsonObject> Inner = MakeShared<FJsonObject>();
		Inner->SetArrayField(TEXT("list"), {MakeShared<FJsonValueNumber>(1.0), MakeShared<FJsonValueArray>(TArray<TSharedPtr<FJsonValue>>{Value})});
		TSharedRef<FJsonObject> Outer = MakeShared<FJsonObject>();
		Outer->SetObjectField(TEXT("inner"), Inner);
		return Outer;
	};
	struct FCase { const char* Name; std::function<TSharedRef<FJsonObject>()> Make; ETextFileForm Form; };
	const FCase Cases[] = {
		{"empty object", [] { return MakeShared<FJsonObject>(); }, ETextFileForm::Ascii},
		{"ASCII strings deep down", [&] { return Nested(MakeShared<FJsonValueString>(TEXT("plain"))); }, ETextFileForm::Ascii},
		{"a wide string deep down", [&] { return Nested(MakeShared<FJsonValueString>(TEXT("caf\x00E9"))); }, ETextFileForm::Utf16},
		{"a wide name", [] {
			TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			Object->SetBoolField(TEXT("\x00E9"), true);
			return Object;
		}, ETextFileForm::Utf16},
		{"a wide unit after a NUL is not written", [&] {
			return Nested(MakeShared<FJsonValueString>(FString(std::u16string(u"a\0\x00E9", 3))));
		}, ETextFileForm::Ascii},
		{"an empty slot", [&] { return Nested(TSharedPtr<FJsonValue>()); }, ETextFileForm::Ascii},
		{"a wide string after a nested list looked at to its end", [] {
			TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			const TArray<TSharedPtr<FJsonValue>> Plain = {MakeShared<FJsonValueString>(TEXT("plain"))};
			Object->SetArrayField(TEXT("list"), {MakeShared<FJsonValueArray>(Plain), MakeShared<FJsonValueString>(TEXT("caf\x00E9"))});
			return Object;
		}, ETextFileForm::Utf16},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(SavedForm::OfTree(*Case.Make()), Case.Form) << Case.Name;
	}
}
