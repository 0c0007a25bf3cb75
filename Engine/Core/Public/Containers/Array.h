// TArray: the engine's growable array, a contiguous sequence with signed
// 32-bit indices.
#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

template <typename ElementType>
class TArray
{
public:
	using ElementT = ElementType;
	using iterator = typename std::vector<ElementType>::iterator;
	using const_iterator = typename std::vector<ElementType>::const_iterator;


	TArray() = default;
	TArray(std::initializer_list<ElementType> Init) : Items(Init) {}
	TArray(const ElementType* Data, int32 Count) : Items(Data, Data + Count) {}

	int32 Num() const { return static_cast<int32>(Items.size()); }
	bool IsEmpty() const { return Items.empty(); }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Num(); }

	ElementType* GetData() { return Items.data(); }
	const ElementType* GetData() const { return Items.data(); }

	ElementType& operator[](int32 Index)
	{
		check(IsValidIndex(Index));
		return Items[static_cast<SIZE_T>(Index)];
	}
	const ElementType& operator[](int32 Index) const
	{
		check(IsValidIndex(Index));
		return Items[static_cast<SIZE_T>(Index)];
	}

	/** Appends an element and returns its index. */
	int32 Add(const ElementType& Item)
	{
		Items.push_back(Item);
		return Num() - 1;
	}
	int32 Add(ElementType&& Item)
	{
		Items.push_back(std::move(Item));
		return Num() - 1;
	}
	template <typename... ArgTypes>
	int32 Emplace(ArgTypes&&... Args)
	{
		Items.emplace_back(std::forward<ArgTypes>(Args)...);
		return Num() - 1;
	}
	void Append(const TArray& Other) { Items.insert(Items.end(), Other.Items.begin(), Other.Items.end()); }
	void Append(const ElementType* Data, int32 Count) { Items.insert(Items.end(), Data, Data + Count); }
	void Insert(const ElementType& Item, int32 Index)
	{
		check(Index >= 0 && Index <= Num());
		Items.insert(Items.begin() + Index, Item);
	}

	/** Adds Count default-initialised elements and returns the index of the first. */
	int32 AddDefaulted(int32 Count = 1)
	{
		const int32 First = Num();
		Items.resize(Items.size() + static_cast<SIZE_T>(Count));
		return First;
	}
	void SetNum(int32 NewNum) { Items.resize(static_cast<SIZE_T>(NewNum)); }

	/** Removes and returns the last element. */
	ElementType Pop()
	{
		check(!Items.empty());
		ElementType Result = std::move(Items.back());
		Items.pop_back();
		return Result;
	}
	ElementType& Top() { return Last(); }
	const ElementType& Top() const { return Last(); }
	ElementType& Last()
	{
		check(!Items.empty());
		return Items.back();
	}
	const ElementType& Last() const
	{
		check(!Items.empty());
		return Items.back();
	}

	void RemoveAt(int32 Index)
	{
		check(IsValidIndex(Index));
		Items.erase(Items.begin() + Index);
	}
	/** Removes every element equal to Item and returns how many went. */
	int32 Remove(const ElementType& Item)
	{
		const auto OldSize = Items.size();
		Items.erase(std::remove(Items.begin(), Items.end(), Item), Items.end());
		return static_cast<int32>(OldSize - Items.size());
	}
	int32 Find(const ElementType& Item) const
	{
		const auto It = std::find(Items.begin(), Items.end(), Item);
		return It == Items.end() ? INDEX_NONE : static_cast<int32>(It - Items.begin());
	}
	bool Contains(const ElementType& Item) const { return Find(Item) != INDEX_NONE; }

	void Empty(int32 Slack = 0)
	{
		Items.clear();
		Items.reserve(static_cast<SIZE_T>(Slack));
	}
	void Reset() { Items.clear(); }
	void Reserve(int32 Count) { Items.reserve(static_cast<SIZE_T>(Count)); }

	bool operator==(const TArray& Other) const { return Items == Other.Items; }

	iterator begin() { return Items.begin(); }
	iterator end() { return Items.end(); }
	const_iterator begin() const { return Items.begin(); }
	const_iterator end() const { return Items.end(); }

private:
	std::vector<ElementType> Items;
};
