#include "HmdEditor/Input/KeyNames.h"

#include "HmdEditor/Input/Utf8CodePoints.h"

#include <string>

namespace
{
	struct FNamedKey
	{
		std::string_view Name;
		FHostKeyPress Press;
	};

	FHostKeyPress ShiftTab()
	{
		FHostKeyPress Press = FHostKeyPress::Named(EHostKey::Tab);
		Press.bShift = true;
		return Press;
	}

	const FNamedKey NamedKeys[] = {
		{"Enter", FHostKeyPress::Named(EHostKey::Enter)},
		{"Tab", FHostKeyPress::Named(EHostKey::Tab)},
		{"Shift+Tab", ShiftTab()},
		{"Escape", FHostKeyPress::Named(EHostKey::Escape)},
		{"Space", FHostKeyPress::Char(U' ')},
		{"Backspace", FHostKeyPress::Named(EHostKey::Backspace)},
		{"Delete", FHostKeyPress::Named(EHostKey::Delete)},
		{"Left", FHostKeyPress::Named(EHostKey::Left)},
		{"Right", FHostKeyPress::Named(EHostKey::Right)},
		{"Up", FHostKeyPress::Named(EHostKey::Up)},
		{"Down", FHostKeyPress::Named(EHostKey::Down)},
		{"Home", FHostKeyPress::Named(EHostKey::Home)},
		{"End", FHostKeyPress::Named(EHostKey::End)},
		{"PageUp", FHostKeyPress::Named(EHostKey::PageUp)},
		{"PageDown", FHostKeyPress::Named(EHostKey::PageDown)},
		{"F1", FHostKeyPress::Named(EHostKey::F1)},
		{"F2", FHostKeyPress::Named(EHostKey::F2)},
		{"F3", FHostKeyPress::Named(EHostKey::F3)},
		{"F4", FHostKeyPress::Named(EHostKey::F4)},
		{"F5", FHostKeyPress::Named(EHostKey::F5)},
		{"F6", FHostKeyPress::Named(EHostKey::F6)},
		{"F7", FHostKeyPress::Named(EHostKey::F7)},
		{"F8", FHostKeyPress::Named(EHostKey::F8)},
		{"F9", FHostKeyPress::Named(EHostKey::F9)},
		{"F10", FHostKeyPress::Named(EHostKey::F10)},
		{"F11", FHostKeyPress::Named(EHostKey::F11)},
		{"F12", FHostKeyPress::Named(EHostKey::F12)},
	};

	char ToLowerAscii(char Character)
	{
		return (Character >= 'A' && Character <= 'Z') ? static_cast<char>(Character - 'A' + 'a') : Character;
	}

	bool EqualsIgnoreCase(std::string_view A, std::string_view B)
	{
		if (A.size() != B.size())
		{
			return false;
		}
		for (SIZE_T Index = 0; Index < A.size(); ++Index)
		{
			if (ToLowerAscii(A[Index]) != ToLowerAscii(B[Index]))
			{
				return false;
			}
		}
		return true;
	}

	bool StartsWithIgnoreCase(std::string_view Text, std::string_view Prefix)
	{
		return Text.size() >= Prefix.size() && EqualsIgnoreCase(Text.substr(0, Prefix.size()), Prefix);
	}

	/** "Ctrl+q", "Alt+F": a modifier and one ASCII letter, kept in lower case. */
	bool ParseModifiedLetter(std::string_view Name, std::string_view Prefix, FHostKeyPress& Out)
	{
		if (Name.size() != Prefix.size() + 1 || !StartsWithIgnoreCase(Name, Prefix))
		{
			return false;
		}
		const char Letter = ToLowerAscii(Name.back());
		if (Letter < 'a' || Letter > 'z')
		{
			return false;
		}
		Out = FHostKeyPress::Char(static_cast<char32_t>(Letter));
		return true;
	}

	bool IsPrintable(char32_t CodePoint)
	{
		return CodePoint > U' ' && CodePoint != 0x7F && !(CodePoint >= 0x80 && CodePoint <= 0x9F);
	}
}

bool ParseKeyName(std::string_view Name, FHostKeyPress& Out)
{
	for (const FNamedKey& Key : NamedKeys)
	{
		if (EqualsIgnoreCase(Name, Key.Name))
		{
			Out = Key.Press;
			return true;
		}
	}

	FHostKeyPress Modified;
	if (ParseModifiedLetter(Name, "Ctrl+", Modified))
	{
		Modified.bControl = true;
		Out = Modified;
		return true;
	}
	if (ParseModifiedLetter(Name, "Alt+", Modified))
	{
		Modified.bAlt = true;
		Out = Modified;
		return true;
	}

	std::u32string CodePoints;
	if (Utf8ToCodePoints(Name, CodePoints) && CodePoints.size() == 1 && IsPrintable(CodePoints[0]))
	{
		Out = FHostKeyPress::Char(CodePoints[0]);
		return true;
	}
	return false;
}
