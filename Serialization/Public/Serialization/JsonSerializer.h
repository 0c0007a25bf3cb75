// JsonSerializer: between JSON object trees and JSON text. The tree is
// walked, and built, with explicit stacks instead of recursion, so nesting
// depth is limited only by memory.
#pragma once

#include "Dom/JsonObject.h"
#include "Serialization/JsonWriter.h"
#include "Templates/SharedPointer.h"

class JsonSerializer
{
public:
	/**
	 * Writes Object through Writer as the document's root. Fields come out in
	 * the object's field order; an empty value pointer is written as null.
	 * Returns the writer's Finish result when bCloseWriter is true, and true
	 * otherwise.
	 */
	static bool WriteObject(const TSharedRef<FJsonObject>& Object, const TSharedRef<JsonWriter>& Writer, bool bCloseWriter = true);
};
