#include "HmdEditor/Input/SlateInputEvents.h"

#include "Framework/Application/SlateApplication.h"
#include "Text/CodePointString.h"

namespace
{
	const FKey& GetNamedKey(EHostKey Key)
	{
		static const FKey* const FunctionKeys[] = {
			&EKeys::F1, &EKeys::F2, &EKeys::F3, &EKeys::F4, &EKeys::F5, &EKeys::F6,
			&EKeys::F7, &EKeys::F8, &EKeys::F9, &EKeys::F10, &EKeys::F11, &EKeys::F12,
		};
		switch (Key)
		{
		case EHostKey::Enter: return EKeys::Enter;
		case EHostKey::Tab: return EKeys::Tab;
		case EHostKey::Escape: return EKeys::Escape;
		case EHostKey::Backspace: return EKeys::BackSpace;
		case EHostKey::Delete: return EKeys::Delete;
		case EHostKey::Left: return EKeys::Left;
		case EHostKey::Right: return EKeys::Right;
		case EHostKey::Up: return EKeys::Up;
		case EHostKey::Down: return EKeys::Down;
		case EHostKey::Home: return EKeys::Home;
		case EHostKey::End: return EKeys::End;
		case EHostKey::PageUp: return EKeys::PageUp;
		case EHostKey::PageDown: return EKeys::PageDown;
		case EHostKey::Character: break;
		default: return *FunctionKeys[static_cast<int32>(Key) - static_cast<int32>(EHostKey::F1)];
		}
		checkNoEntry();
	}

	/** The key of a letter, by its upper-case name as the engine names letter keys. */
	FKey GetLetterKey(char32_t Letter)
	{
		const char32_t Upper = (Letter >= U'a' && Letter <= U'z') ? Letter - U'a' + U'A' : Letter;
		return FKey(*CodePointString::ToText(std::u32string(1, Upper)));
	}
}

FSlateEvent MakeSlateEvent(const FHostKeyPress& Press)
{
	const FModifierKeysState Modifiers{Press.bShift, Press.bControl, Press.bAlt};
	if (Press.Key != EHostKey::Character)
	{
		return FSlateEvent::MakeKeyDown(GetNamedKey(Press.Key), Modifiers);
	}
	if (Press.bControl || Press.bAlt)
	{
		return FSlateEvent::MakeKeyDown(GetLetterKey(Press.Character), Modifiers);
	}
	if (Press.Character == U' ')
	{
		return FSlateEvent::MakeAction([Modifiers]()
		{
			FSlateApplication& Application = FSlateApplication::Get();
			if (!Application.ProcessKeyDownEvent(FKeyEvent(EKeys::Space, Modifiers)))
			{
				Application.ProcessKeyCharEvent(FCharacterEvent(U' ', Modifiers));
			}
		});
	}
	return FSlateEvent::MakeKeyChar(Press.Character, Modifiers);
}
