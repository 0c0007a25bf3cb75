#include "Internationalization/Text.h"

FText::FText() : Data(GetEmpty().Data) {}

const FText& FText::GetEmpty()
{
	static const FText Empty(MakeShared<const FTextData>());
	return Empty;
}

FText FText::FromString(const FString& String)
{
	return FText(MakeShared<const FTextData>(FTextData{FString(), FString(), String, true}));
}

const FString& FText::ToString() const
{
	// No translations are loaded, so every text shows its source string.
	return Data->SourceString;
}

bool FText::IsCultureInvariant() const
{
	return Data->bCultureInvariant;
}

FText FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(const TCHAR* InTextLiteral, const TCHAR* InNamespace, const TCHAR* InKey)
{
	return FText(MakeShared<const FText::FTextData>(FText::FTextData{FString(InNamespace), FString(InKey), FString(InTextLiteral), false}));
}

const FString& FTextInspector::GetNamespace(const FText& Text)
{
	return Text.Data->Namespace;
}

const FString& FTextInspector::GetKey(const FText& Text)
{
	return Text.Data->Key;
}

const FString& FTextInspector::GetSourceString(const FText& Text)
{
	return Text.Data->SourceString;
}
