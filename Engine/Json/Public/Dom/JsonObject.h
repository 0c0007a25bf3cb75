// FJsonObject: a JSON object, its fields kept in the order in which each
// name was first set. Field names are looked up through a hash index once
// an object has more than a few fields, so large objects stay fast.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Dom/JsonValue.h"
#include "JsonApi.h"
#include "JsonGlobals.h"
#include "Templates/SharedPointer.h"

class JSON_API FJsonObject
{
public:
	FJsonObject() = default;
	/**
	 * An object of the given fields, in their order: Values[I] is the value
	 * of Names[I]. A name given more than once keeps its first place and
	 * takes its last value, as setting the fields one by one would do.
	 */
	FJsonObject(TArray<FString>&& Names, TArray<TSharedPtr<FJsonValue>>&& InValues);
	FJsonObject(const FJsonObject&) = default;
	FJsonObject(FJsonObject&&) = default;
	FJsonObject& operator=(const FJsonObject&) = default;
	FJsonObject& operator=(FJsonObject&&) = default;
	/** Releases the values without recursing into nested containers. */
	~FJsonObject();

	int32 Num() const { return Keys.Num(); }
	/** The field names, in field order; GetValues() holds their values at the same indices. */
	const TArray<FString>& GetKeys() const { return Keys; }
	const TArray<TSharedPtr<FJsonValue>>& GetValues() const { return Values; }

	bool HasField(const FString& FieldName) const { return FindIndex(FieldName) != INDEX_NONE; }
	/** The value of the field, or an empty pointer when there is no such field. */
	TSharedPtr<FJsonValue> GetField(const FString& FieldName) const;

	/** Sets a field. A new name goes last; an existing name keeps its place and gets the new value. */
	void SetField(const FString& FieldName, const TSharedPtr<FJsonValue>& Value);
	void SetField(FString&& FieldName, TSharedPtr<FJsonValue>&& Value);
	void RemoveField(const FString& FieldName);
	/** Makes room for NumFields fields in all, so that setting that many allocates nothing more. */
	void Reserve(int32 NumFields);

	void SetStringField(const FString& FieldName, const FString& Value);
	void SetNumberField(const FString& FieldName, double Value);
	void SetBoolField(const FString& FieldName, bool bValue);
	void SetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>& Value);
	void SetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>& Value);

	/** Each getter succeeds only when the field exists and holds a value of its own kind. */
	bool TryGetStringField(const FString& FieldName, FString& OutString) const;
	bool TryGetNumberField(const FString& FieldName, double& OutNumber) const;
	bool TryGetBoolField(const FString& FieldName, bool& OutBool) const;
	bool TryGetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>*& OutArray) const;
	bool TryGetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>*& OutObject) const;

private:
	/** Objects with up to this many fields are searched in order instead of through the index. */
	static constexpr int32 MaxUnindexedFields = 16;

	int32 FindIndex(const FString& FieldName) const;
	/** Indexes the fields as their number needs; false, leaving no index, when some name appears twice among them. */
	bool IndexDistinctNames();
	template <typename KeyType, typename ValueType>
	void SetFieldImpl(KeyType&& FieldName, ValueType&& Value);
	/**
	 * Sizes the index for ExpectedFields fields (none while that is small)
	 * and fills it. False, leaving no index, when two fields have the same
	 * name, which only fields not set through SetField can have.
	 */
	bool RebuildIndex(int32 ExpectedFields);
	/** Adds the field to the index; false, adding nothing, when an earlier field has its name. */
	bool AddToIndex(int32 FieldIndex);

	TArray<FString> Keys;
	TArray<TSharedPtr<FJsonValue>> Values;
	/** Open-addressed table of field indices (INDEX_NONE when free), empty while the object is small. */
	TArray<int32> Index;
};
