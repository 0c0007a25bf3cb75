// FText: text shown to the user. A localisable text carries a namespace, a
// key and its English source text; without a translation it shows the
// source text. A text made from a string shows that string unchanged.
#pragma once

#include "Containers/UnrealString.h"
#include "CoreApi.h"
#include "Templates/SharedPointer.h"

class CORE_API FText
{
public:
	/** The empty text. */
	FText();

	/** A text that is not localised and shows String unchanged. */
	static FText FromString(const FString& String);
	static const FText& GetEmpty();

	/** The string the text shows. */
	const FString& ToString() const;
	bool IsEmpty() const { return ToString().IsEmpty(); }
	/** True for texts made from a string rather than from a namespace and key. */
	bool IsCultureInvariant() const;
	/** Same displayed string. */
	bool EqualTo(const FText& Other) const { return ToString() == Other.ToString(); }

private:
	friend class FInternationalization;
	friend class FTextInspector;

	struct FTextData
	{
		FString Namespace;
		FString Key;
		FString SourceString;
		bool bCultureInvariant = true;
	};
	explicit FText(TSharedRef<const FTextData> InData) : Data(std::move(InData)) {}

	TSharedRef<const FTextData> Data;
};

class CORE_API FInternationalization
{
public:
	/** Makes a localisable text from its source text, namespace and key. */
	static FText ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(const TCHAR* InTextLiteral, const TCHAR* InNamespace, const TCHAR* InKey);
};

/** Read access to a text's localisation identity. */
class CORE_API FTextInspector
{
public:
	static const FString& GetNamespace(const FText& Text);
	static const FString& GetKey(const FText& Text);
	static const FString& GetSourceString(const FText& Text);
};

#define NSLOCTEXT(InNamespace, InKey, InTextLiteral) \
	FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(TEXT(InTextLiteral), TEXT(InNamespace), TEXT(InKey))
#define LOCTEXT(InKey, InTextLiteral) NSLOCTEXT(LOCTEXT_NAMESPACE, InKey, InTextLiteral)
