// FJsonValue: one value of a JSON tree, held through shared pointers. The
// kinds are closed: each of the six value classes below has its own kind,
// and no other class derives from FJsonValue.
//
// The getters are strict: a string is only ever read as a string, a number
// as a number, a boolean as a boolean. TryGet* report a value of another kind
// as failure; As* log an error on LogJson and give an empty result for it.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "JsonApi.h"
#include "JsonGlobals.h"
#include "Templates/SharedPointer.h"

class FJsonObject;

class JSON_API FJsonValue
{
public:
	FJsonValue(const FJsonValue&) = delete;
	FJsonValue& operator=(const FJsonValue&) = delete;
	virtual ~FJsonValue() = default;

	/** The kind of the value, fixed by its class. */
	const EJson Type;

	bool TryGetString(FString& OutString) const;
	bool TryGetNumber(double& OutNumber) const;
	bool TryGetBool(bool& OutBool) const;
	bool TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const;
	bool TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const;
	bool IsNull() const { return Type == EJson::Null; }

	const FString& AsString() const;
	double AsNumber() const;
	bool AsBool() const;
	const TArray<TSharedPtr<FJsonValue>>& AsArray() const;
	/** The object of an object value, which is never null; null for any other kind. */
	const TSharedPtr<FJsonObject>& AsObject() const;

	/**
	 * Deep comparison of two trees: same kinds, equal strings, numbers and
	 * booleans, arrays equal element by element, objects with the same field
	 * names holding equal values, in any order. An empty pointer counts as
	 * null. Works without recursion, so any depth compares.
	 */
	static bool CompareEqual(const TSharedPtr<FJsonValue>& Lhs, const TSharedPtr<FJsonValue>& Rhs);

	/** The kind's name as used in messages: "Null", "String", ... */
	static const TCHAR* GetTypeName(EJson Kind);

private:
	friend class FJsonValueNull;
	friend class FJsonValueString;
	friend class FJsonValueNumber;
	friend class FJsonValueBoolean;
	friend class FJsonValueArray;
	friend class FJsonValueObject;

	explicit FJsonValue(EJson InType) : Type(InType) {}

	void ErrorWrongKind(EJson Wanted) const;
};

class JSON_API FJsonValueNull final : public FJsonValue
{
public:
	FJsonValueNull() : FJsonValue(EJson::Null) {}
};

class JSON_API FJsonValueString final : public FJsonValue
{
public:
	explicit FJsonValueString(const FString& InValue) : FJsonValue(EJson::String), Value(InValue) {}
	explicit FJsonValueString(FString&& InValue) : FJsonValue(EJson::String), Value(std::move(InValue)) {}

private:
	friend class FJsonValue;
	FString Value;
};

class JSON_API FJsonValueNumber final : public FJsonValue
{
public:
	explicit FJsonValueNumber(double InValue) : FJsonValue(EJson::Number), Value(InValue) {}

private:
	friend class FJsonValue;
	double Value;
};

class JSON_API FJsonValueBoolean final : public FJsonValue
{
public:
	explicit FJsonValueBoolean(bool bInValue) : FJsonValue(EJson::Boolean), bValue(bInValue) {}

private:
	friend class FJsonValue;
	bool bValue;
};

class JSON_API FJsonValueArray final : public FJsonValue
{
public:
	explicit FJsonValueArray(const TArray<TSharedPtr<FJsonValue>>& InValue) : FJsonValue(EJson::Array), Value(InValue) {}
	explicit FJsonValueArray(TArray<TSharedPtr<FJsonValue>>&& InValue) : FJsonValue(EJson::Array), Value(std::move(InValue)) {}
	/** Releases the elements without recursing into nested containers. */
	~FJsonValueArray() override;

private:
	friend class FJsonValue;
	TArray<TSharedPtr<FJsonValue>> Value;
};

class JSON_API FJsonValueObject final : public FJsonValue
{
public:
	/** Holds InObject; an empty pointer is taken as a new empty object. */
	explicit FJsonValueObject(TSharedPtr<FJsonObject> InObject);

private:
	friend class FJsonValue;
	TSharedPtr<FJsonObject> Value;
};
