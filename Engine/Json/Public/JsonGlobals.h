// Shared definitions of the JSON object model: the kinds of value and the
// log category of the JSON code.
#pragma once

#include "CoreTypes.h"
#include "JsonApi.h"
#include "Logging/LogMacros.h"

/** The kind of a JSON value. */
enum class EJson : uint8
{
	None = 0,
	Null = 1,
	String = 2,
	Number = 3,
	Boolean = 4,
	Array = 5,
	Object = 6,
};

JSON_API DECLARE_LOG_CATEGORY_EXTERN(LogJson, Log, All);
