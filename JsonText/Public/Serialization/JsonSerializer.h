// JsonSerializer: between JSON object trees and JSON text. The tree is
// walked, and built, with explicit stacks instead of recursion, so nesting
// depth is limited only by memory.
#pragma once

#include "Dom/JsonObject.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonWriter.h"
#include "Templates/SharedPointer.h"

class JsonSerializer
{
public:
	/** A whole document read: its root container, an object or an array. */
	struct FDocument
	{
		/** EJson::Object or EJson::Array. */
		EJson Kind = EJson::None;
		/** The elements of an array root. */
		TArray<TSharedPtr<FJsonValue>> Items;
		/** The object root; set for objects only. */
		TSharedPtr<FJsonObject> Object;
	};

	/**
	 * Reads a whole document. On success OutRoot holds its root container;
	 * on failure (any reader error) OutRoot is left alone and the reader's
	 * ErrorText() tells why.
	 */
	static bool ReadTree(const TSharedRef<JsonReader>& Reader, FDocument& OutRoot);

	/** Reads a whole document whose root is an object. A document with an array root fails without an error text. */
	static bool ReadObject(const TSharedRef<JsonReader>& Reader, TSharedPtr<FJsonObject>& OutObject);

	/**
	 * Writes Object through Writer as the document's root. Fields come out in
	 * the object's field order; an empty value pointer is written as null.
	 * Returns the writer's Finish result when bCloseWriter is true, and true
	 * otherwise.
	 */
	static bool WriteObject(const TSharedRef<FJsonObject>& Object, const TSharedRef<JsonWriter>& Writer, bool bCloseWriter = true);
};
