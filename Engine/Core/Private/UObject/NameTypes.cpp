#include "UObject/NameTypes.h"

#include <unordered_map>
#include <vector>

namespace
{
	// The process-wide name table. Entry 0 is the empty name; lookups fold
	// ASCII case, and each entry keeps the spelling it was first added with.
	struct FNameTable
	{
		std::vector<FString> Entries{FString()};
		std::unordered_map<std::u16string, int32> Indices{{std::u16string(), 0}};

		static std::u16string Fold(const FString& Name)
		{
			std::u16string Folded = Name.GetStdString();
			for (char16_t& Character : Folded)
			{
				if (Character >= u'A' && Character <= u'Z')
				{
					Character = static_cast<char16_t>(Character + (u'a' - u'A'));
				}
			}
			return Folded;
		}

		int32 FindOrAdd(const FString& Name)
		{
			const auto [It, bAdded] = Indices.try_emplace(Fold(Name), static_cast<int32>(Entries.size()));
			if (bAdded)
			{
				Entries.push_back(Name);
			}
			return It->second;
		}
	};

	FNameTable& GetNameTable()
	{
		static FNameTable Table;
		return Table;
	}
}

FName::FName(const TCHAR* Name) : FName(FString(Name)) {}

FName::FName(const ANSICHAR* Name) : FName(FString(Name)) {}

FName::FName(const FString& Name) : Index(GetNameTable().FindOrAdd(Name)) {}

FString FName::ToString() const
{
	return GetNameTable().Entries[static_cast<SIZE_T>(Index)];
}
