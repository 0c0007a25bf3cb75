// printf-style formatting over engine text. Numbers are produced with
// std::to_chars, which always writes the "C" locale's form, so a log line or
// an error position never changes with the user's locale.
#include "Containers/StringConv.h"
#include "Containers/UnrealString.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace
{
	struct FDirective
	{
		bool bLeft = false;
		bool bPlus = false;
		bool bSpace = false;
		bool bZero = false;
		bool bAlternate = false;
		int32 Width = 0;
		int32 Precision = -1;
		char Conversion = 0;
	};

	void AppendAscii(FString& Out, std::string_view Text)
	{
		for (const char Character : Text)
		{
			Out.AppendChar(static_cast<TCHAR>(static_cast<unsigned char>(Character)));
		}
	}

	// Pads Body to the field width: spaces on the left or right, or zeros after the sign.
	void AppendPadded(FString& Out, const FDirective& Directive, std::u16string Body, bool bNumeric)
	{
		const int32 Missing = Directive.Width - static_cast<int32>(Body.size());
		if (Missing > 0)
		{
			if (Directive.bLeft)
			{
				Body.append(static_cast<SIZE_T>(Missing), u' ');
			}
			else if (Directive.bZero && bNumeric)
			{
				const SIZE_T SignLength = (!Body.empty() && (Body[0] == u'-' || Body[0] == u'+' || Body[0] == u' ')) ? 1 : 0;
				Body.insert(SignLength, static_cast<SIZE_T>(Missing), u'0');
			}
			else
			{
				Body.insert(0, static_cast<SIZE_T>(Missing), u' ');
			}
		}
		Out.Append(FString(std::move(Body)));
	}

	std::u16string Widen(const char* Begin, const char* End)
	{
		std::u16string Result;
		for (const char* Cursor = Begin; Cursor != End; ++Cursor)
		{
			Result.push_back(static_cast<TCHAR>(static_cast<unsigned char>(*Cursor)));
		}
		return Result;
	}

	std::u16string FormatInteger(const FDirective& Directive, bool bNegative, uint64 Magnitude)
	{
		const int Base = (Directive.Conversion == 'x' || Directive.Conversion == 'X') ? 16 : 10;
		char Digits[32];
		auto Result = std::to_chars(Digits, Digits + sizeof(Digits), Magnitude, Base);
		std::string Text(Digits, Result.ptr);
		if (Directive.Conversion == 'X')
		{
			for (char& Character : Text)
			{
				if (Character >= 'a' && Character <= 'f')
				{
					Character = static_cast<char>(Character - 'a' + 'A');
				}
			}
		}
		if (Directive.Precision >= 0 && static_cast<int32>(Text.size()) < Directive.Precision)
		{
			Text.insert(0, static_cast<SIZE_T>(Directive.Precision) - Text.size(), '0');
		}
		if (bNegative)
		{
			Text.insert(0, 1, '-');
		}
		else if (Directive.bPlus)
		{
			Text.insert(0, 1, '+');
		}
		else if (Directive.bSpace)
		{
			Text.insert(0, 1, ' ');
		}
		return Widen(Text.data(), Text.data() + Text.size());
	}

	std::u16string FormatDouble(const FDirective& Directive, double Value)
	{
		std::string Text;
		if (std::isnan(Value) || std::isinf(Value))
		{
			Text = std::isnan(Value) ? "nan" : "inf";
			if (std::signbit(Value))
			{
				Text.insert(0, 1, '-');
			}
		}
		else
		{
			const int Precision = Directive.Precision < 0 ? 6 : Directive.Precision;
			const std::chars_format Format = Directive.Conversion == 'f'   ? std::chars_format::fixed
				: (Directive.Conversion == 'e' || Directive.Conversion == 'E') ? std::chars_format::scientific
																	   : std::chars_format::general;
			char Digits[512];
			const auto Result = std::to_chars(Digits, Digits + sizeof(Digits), Value, Format, Precision);
			Text.assign(Digits, Result.ptr);
		}
		if (!Text.empty() && Text[0] != '-' && Directive.bPlus)
		{
			Text.insert(0, 1, '+');
		}
		else if (!Text.empty() && Text[0] != '-' && Directive.bSpace)
		{
			Text.insert(0, 1, ' ');
		}
		return Widen(Text.data(), Text.data() + Text.size());
	}

	std::u16string FormatText(const FDirective& Directive, const StringFormat::FArg& Arg)
	{
		std::u16string Text;
		if (Arg.Kind == StringFormat::FArg::EKind::Wide)
		{
			Text = Arg.Wide != nullptr ? std::u16string(Arg.Wide) : std::u16string(u"(null)");
		}
		else if (Arg.Kind == StringFormat::FArg::EKind::Narrow)
		{
			Text = Arg.Narrow != nullptr ? StringConv::FromUtf8(Arg.Narrow).GetStdString() : std::u16string(u"(null)");
		}
		else
		{
			Text = u"(invalid)";
		}
		if (Directive.Precision >= 0 && static_cast<int32>(Text.size()) > Directive.Precision)
		{
			Text.resize(static_cast<SIZE_T>(Directive.Precision));
		}
		return Text;
	}

	std::u16string FormatArgument(const FDirective& Directive, const StringFormat::FArg& Arg)
	{
		using EKind = StringFormat::FArg::EKind;
		switch (Directive.Conversion)
		{
		case 'c':
			return std::u16string(1, static_cast<TCHAR>(Arg.Unsigned != 0 ? Arg.Unsigned : static_cast<uint64>(Arg.Signed)));
		case 's':
			return FormatText(Directive, Arg);
		case 'd':
		case 'i':
		case 'u':
		case 'x':
		case 'X':
			if (Arg.Kind == EKind::Signed)
			{
				const bool bSigned = Directive.Conversion == 'd' || Directive.Conversion == 'i';
				const bool bNegative = bSigned && Arg.Signed < 0;
				const uint64 Bits = static_cast<uint64>(Arg.Signed);
				return FormatInteger(Directive, bNegative, bNegative ? 0 - Bits : Bits);
			}
			if (Arg.Kind == EKind::Unsigned || Arg.Kind == EKind::Char)
			{
				return FormatInteger(Directive, false, Arg.Unsigned);
			}
			return FormatInteger(Directive, Arg.Double < 0, static_cast<uint64>(std::fabs(Arg.Double)));
		default:
			return FormatDouble(Directive, Arg.Kind == EKind::Double ? Arg.Double
					: Arg.Kind == EKind::Signed                ? static_cast<double>(Arg.Signed)
																: static_cast<double>(Arg.Unsigned));
		}
	}
}

FString StringFormat::Format(const TCHAR* Fmt, const FArg* Args, int32 NumArgs)
{
	FString Out;
	int32 NextArg = 0;
	for (const TCHAR* Cursor = Fmt; *Cursor != 0; ++Cursor)
	{
		if (*Cursor != u'%')
		{
			Out.AppendChar(*Cursor);
			continue;
		}
		++Cursor;
		if (*Cursor == u'%')
		{
			Out.AppendChar(u'%');
			continue;
		}
		FDirective Directive;
		for (;; ++Cursor)
		{
			if (*Cursor == u'-') Directive.bLeft = true;
			else if (*Cursor == u'+') Directive.bPlus = true;
			else if (*Cursor == u' ') Directive.bSpace = true;
			else if (*Cursor == u'0') Directive.bZero = true;
			else if (*Cursor == u'#') Directive.bAlternate = true;
			else break;
		}
		for (; *Cursor >= u'0' && *Cursor <= u'9'; ++Cursor)
		{
			Directive.Width = Directive.Width * 10 + (*Cursor - u'0');
		}
		if (*Cursor == u'.')
		{
			Directive.Precision = 0;
			for (++Cursor; *Cursor >= u'0' && *Cursor <= u'9'; ++Cursor)
			{
				Directive.Precision = Directive.Precision * 10 + (*Cursor - u'0');
			}
		}
		while (*Cursor == u'l' || *Cursor == u'h' || *Cursor == u'z' || *Cursor == u'j' || *Cursor == u't')
		{
			++Cursor;
		}
		if (*Cursor == 0)
		{
			break;
		}
		Directive.Conversion = static_cast<char>(*Cursor);
		if (NextArg >= NumArgs)
		{
			AppendAscii(Out, "(missing)");
			continue;
		}
		const bool bNumeric = Directive.Conversion != 's' && Directive.Conversion != 'c';
		AppendPadded(Out, Directive, FormatArgument(Directive, Args[NextArg++]), bNumeric);
	}
	return Out;
}
