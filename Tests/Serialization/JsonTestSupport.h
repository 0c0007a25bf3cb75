// Helpers shared by the JSON text tests. Every test source of this binary
// includes this header, so that all of them print engine text the same way.
#pragma once

#include "Containers/UnrealString.h"
#include "Dom/JsonObject.h"
#include "Templates/SharedPointer.h"

#include <initializer_list>
#include <ostream>
#include <string>

/** Shows engine text in failure messages as UTF-8, with control characters escaped. */
void PrintTo(const FString& Text, std::ostream* Stream);

namespace JsonTest
{
	/** Lines joined by CR LF, with nothing after the last. */
	FString CrLfLines(std::initializer_list<const TCHAR*> Lines);

	/** The text the serializer writes for Object with a string writer. */
	FString Write(const TSharedRef<FJsonObject>& Object, int32 InitialIndent = 0);

	/** Sets the process locale to one with a decimal comma for its lifetime; IsActive() is false when none is installed. */
	class FDecimalCommaLocale
	{
	public:
		FDecimalCommaLocale();
		~FDecimalCommaLocale();
		bool IsActive() const { return bActive; }

	private:
		std::string Saved;
		bool bActive = false;
	};
}
