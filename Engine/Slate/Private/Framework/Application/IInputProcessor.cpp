#include "Framework/Application/IInputProcessor.h"

IInputProcessor::~IInputProcessor() = default;

bool IInputProcessor::HandleKeyDownEvent(FSlateApplication& /*SlateApp*/, const FKeyEvent& /*InKeyEvent*/)
{
	return false;
}

bool IInputProcessor::HandleKeyCharEvent(FSlateApplication& /*SlateApp*/, const FCharacterEvent& /*InCharacterEvent*/)
{
	return false;
}

bool IInputProcessor::HandleMouseButtonDownEvent(FSlateApplication& /*SlateApp*/, const FPointerEvent& /*MouseEvent*/)
{
	return false;
}

bool IInputProcessor::HandlePasteEvent(FSlateApplication& /*SlateApp*/, std::u32string_view /*Text*/)
{
	return false;
}
