// FString: the engine's string, a sequence of UTF-16 code units on every
// platform. Conversions to UTF-8 and to the platform's wchar_t live in
// Containers/StringConv.h.
#pragma once

#include "CoreApi.h"
#include "CoreTypes.h"
#include "Containers/Array.h"

#include <string>
#include <string_view>
#include <type_traits>

class FString;

namespace StringFormat
{
	/** One argument of FString::Printf, captured by kind. */
	struct FArg
	{
		enum class EKind : uint8 { Signed, Unsigned, Double, Wide, Narrow, Char };
		EKind Kind;
		int64 Signed = 0;
		uint64 Unsigned = 0;
		double Double = 0.0;
		const TCHAR* Wide = nullptr;
		const char* Narrow = nullptr;

		FArg(bool Value) : Kind(EKind::Signed), Signed(Value ? 1 : 0) {}
		FArg(char16_t Value) : Kind(EKind::Char), Unsigned(Value) {}
		FArg(char Value) : Kind(EKind::Char), Unsigned(static_cast<unsigned char>(Value)) {}
		template <typename T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
		FArg(T Value) : Kind(EKind::Signed), Signed(Value) {}
		template <typename T, std::enable_if_t<std::is_integral_v<T> && std::is_unsigned_v<T>, int> = 0>
		FArg(T Value) : Kind(EKind::Unsigned), Unsigned(Value) {}
		template <typename T, std::enable_if_t<std::is_enum_v<T>, int> = 0>
		FArg(T Value) : Kind(EKind::Signed), Signed(static_cast<int64>(Value)) {}
		FArg(double Value) : Kind(EKind::Double), Double(Value) {}
		FArg(float Value) : Kind(EKind::Double), Double(Value) {}
		FArg(const TCHAR* Value) : Kind(EKind::Wide), Wide(Value) {}
		FArg(TCHAR* Value) : Kind(EKind::Wide), Wide(Value) {}
		FArg(const char* Value) : Kind(EKind::Narrow), Narrow(Value) {}
	};

	/**
	 * printf-style formatting over engine text, independent of the process
	 * locale: %s (engine or narrow text), %c, %d, %i, %u, %x, %X, %f, %e, %g
	 * with flags, width, precision and the l/ll/z length letters, and %%.
	 */
	CORE_API FString Format(const TCHAR* Fmt, const FArg* Args, int32 NumArgs);
}

class CORE_API FString
{
public:
	FString() = default;
	FString(const TCHAR* Text) : Data(Text ? Text : u"") {}
	FString(const TCHAR* Text, int32 Count) : Data(Text, static_cast<SIZE_T>(Count)) {}
	explicit FString(std::u16string Text) : Data(std::move(Text)) {}
	explicit FString(std::u16string_view Text) : Data(Text) {}
	/** Engine text from narrow characters, one character per byte (Latin-1). */
	explicit FString(const char* Text);

	/** The text as a NUL-terminated array of code units. */
	const TCHAR* operator*() const { return Data.c_str(); }

	int32 Len() const { return static_cast<int32>(Data.size()); }
	bool IsEmpty() const { return Data.empty(); }
	void Empty() { Data.clear(); }
	void Reserve(int32 Count) { Data.reserve(static_cast<SIZE_T>(Count)); }

	TCHAR& operator[](int32 Index)
	{
		check(Index >= 0 && Index < Len());
		return Data[static_cast<SIZE_T>(Index)];
	}
	TCHAR operator[](int32 Index) const
	{
		check(Index >= 0 && Index < Len());
		return Data[static_cast<SIZE_T>(Index)];
	}

	FString& AppendChar(TCHAR Character)
	{
		Data.push_back(Character);
		return *this;
	}
	FString& AppendChars(const TCHAR* Text, int32 Count)
	{
		Data.append(Text, static_cast<SIZE_T>(Count));
		return *this;
	}
	FString& Append(const FString& Text)
	{
		Data.append(Text.Data);
		return *this;
	}
	FString& Append(const TCHAR* Text)
	{
		Data.append(Text);
		return *this;
	}
	FString& operator+=(const FString& Text) { return Append(Text); }
	FString& operator+=(const TCHAR* Text) { return Append(Text); }
	FString& operator+=(TCHAR Character) { return AppendChar(Character); }

	/** Appends the decimal text of a signed integer. */
	void AppendInt(int32 Number);

	bool EndsWith(const FString& Suffix) const { return Data.ends_with(Suffix.Data); }
	bool StartsWith(const FString& Prefix) const { return Data.starts_with(Prefix.Data); }
	bool Equals(const FString& Other) const { return Data == Other.Data; }
	/** Case-insensitive comparison over ASCII letters. */
	bool EqualsIgnoreCase(const FString& Other) const;

	FString Left(int32 Count) const;
	FString Mid(int32 Start, int32 Count = INT32_MAX) const;

	/** Formats engine text the way C's printf does, in the "C" locale whatever the process locale. */
	template <typename... ArgTypes>
	static FString Printf(const TCHAR* Fmt, ArgTypes&&... Args)
	{
		if constexpr (sizeof...(ArgTypes) == 0)
		{
			return StringFormat::Format(Fmt, nullptr, 0);
		}
		else
		{
			const StringFormat::FArg Captured[] = {StringFormat::FArg(Args)...};
			return StringFormat::Format(Fmt, Captured, static_cast<int32>(sizeof...(ArgTypes)));
		}
	}

	const std::u16string& GetStdString() const { return Data; }
	std::u16string_view View() const { return Data; }

	friend bool operator==(const FString& A, const FString& B) { return A.Data == B.Data; }
	friend bool operator==(const FString& A, const TCHAR* B) { return A.Data == B; }
	friend auto operator<=>(const FString& A, const FString& B) { return A.Data <=> B.Data; }
	friend FString operator+(FString A, const FString& B) { return std::move(A.Append(B)); }
	friend FString operator+(FString A, const TCHAR* B) { return std::move(A.Append(B)); }
	friend FString operator+(const TCHAR* A, const FString& B) { return FString(A).Append(B); }

private:
	std::u16string Data;
};

template <>
struct std::hash<FString>
{
	SIZE_T operator()(const FString& Value) const noexcept { return std::hash<std::u16string>()(Value.GetStdString()); }
};
