// Helpers shared by the JSON text tests. Every test source of this binary
// includes this header, so that all of them print engine text the same way.
#pragma once

#include "Containers/UnrealString.h"
#include "Dom/JsonObject.h"
#include "EngineTextPrinters.h"
#include "Templates/SharedPointer.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace JsonTest
{
	/** Lines joined by CR LF, with nothing after the last. */
	FString CrLfLines(std::initializer_list<const TCHAR*> Lines);

	/** Text to put before and after one special unit. */
	struct FSurroundings
	{
		std::u16string Before;
		std::u16string After;
	};

	/**
	 * Surroundings that place a unit at each position of a four-unit word
	 * and beyond, for code that looks at text a word at a time: 0 to 9
	 * units before it, the rest of 9 after it.
	 */
	std::vector<FSurroundings> AtEveryWordPosition();

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
