#include "Common/FileLocation.h"

namespace
{
	bool IsSeparator(TCHAR Character)
	{
		return FPlatformFile::IsSeparator(Character);
	}

	bool IsSameCharacter(TCHAR A, TCHAR B)
	{
		return A == B || (IsSeparator(A) && IsSeparator(B));
	}

	bool IsUsableName(const FString& Name)
	{
		return !Name.IsEmpty() && Name != TEXT(".") && Name != TEXT("..");
	}

	/**
	 * The names of Path below Base, in order; fails unless Path is Base, a
	 * separator and then usable names separated by single separators.
	 */
	TValueOrError<TArray<FString>, FString> SplitBelowBase(const FString& Path, const FString& Base, const TCHAR* Action)
	{
		int32 BaseEnd = Base.Len();
		while (BaseEnd > 0 && IsSeparator(Base[BaseEnd - 1]))
		{
			--BaseEnd;
		}
		bool bBelow = Path.Len() > BaseEnd + 1 && IsSeparator(Path[BaseEnd]);
		for (int32 Index = 0; bBelow && Index < BaseEnd; ++Index)
		{
			bBelow = IsSameCharacter(Path[Index], Base[Index]);
		}
		if (!bBelow)
		{
			return MakeError(DescribeFileError(Action, Path, TEXT("the path does not lie below the folder '") + Base + TEXT("'")));
		}

		TArray<FString> Names;
		FString Name;
		for (int32 Index = BaseEnd + 1; Index <= Path.Len(); ++Index)
		{
			if (Index < Path.Len() && !IsSeparator(Path[Index]))
			{
				Name += Path[Index];
				continue;
			}
			if (!IsUsableName(Name))
			{
				return MakeError(DescribeFileError(
					Action, Path, TEXT("below the folder '") + Base + TEXT("' the path holds an empty name, \".\" or \"..\"")));
			}
			Names.Add(Name);
			Name.Empty();
		}
		return MakeValue(std::move(Names));
	}

	TValueOrError<FFileLocation, FString> OpenBelowBase(const FString& Path, const FString& Base, bool bCreateFolders, const TCHAR* Action)
	{
		TValueOrError<TArray<FString>, FString> Names = SplitBelowBase(Path, Base, Action);
		if (Names.HasError())
		{
			return MakeError(Names.StealError());
		}
		TValueOrError<std::unique_ptr<IPlatformFolder>, FString> OpenedBase = FPlatformFile::OpenFolder(Base);
		if (OpenedBase.HasError())
		{
			return MakeError(OpenedBase.StealError());
		}
		std::unique_ptr<IPlatformFolder> BaseFolder = OpenedBase.StealValue();
		std::unique_ptr<IPlatformFolder> Folder;
		for (int32 Index = 0; Index + 1 < Names.GetValue().Num(); ++Index)
		{
			IPlatformFolder& Parent = Folder ? *Folder : *BaseFolder;
			TValueOrError<std::unique_ptr<IPlatformFolder>, FString> Child =
				Parent.OpenChild(Names.GetValue()[Index], bCreateFolders, BaseFolder.get());
			if (Child.HasError())
			{
				return MakeError(Child.StealError());
			}
			Folder = Child.StealValue();
		}
		return MakeValue(FFileLocation{Folder ? std::move(Folder) : std::move(BaseFolder), Names.GetValue().Last()});
	}
}

FString ParentOf(const FString& Path)
{
	int32 End = Path.Len();
	while (End > 0 && IsSeparator(Path[End - 1]))
	{
		--End;
	}
	while (End > 0 && !IsSeparator(Path[End - 1]))
	{
		--End;
	}
	const int32 RootEnd = End;
	while (End > 0 && IsSeparator(Path[End - 1]))
	{
		--End;
	}
	return Path.Left(End > 0 ? End : RootEnd);
}

FString LastNameOf(const FString& Path)
{
	int32 Start = Path.Len();
	while (Start > 0 && !IsSeparator(Path[Start - 1]))
	{
		--Start;
	}
	return Path.Mid(Start);
}

bool IsSamePathText(const FString& A, const FString& B)
{
	if (A.Len() != B.Len())
	{
		return false;
	}
	for (int32 Index = 0; Index < A.Len(); ++Index)
	{
		if (!IsSameCharacter(A[Index], B[Index]))
		{
			return false;
		}
	}
	return true;
}

TValueOrError<void, FString> MakeDirectoryTree(const FString& Path)
{
	TArray<FString> Missing;
	FString Current = Path;
	while (!Current.IsEmpty() && !FPlatformFile::DirectoryExists(Current))
	{
		Missing.Add(Current);
		Current = ParentOf(Current);
	}
	for (int32 Index = Missing.Num() - 1; Index >= 0; --Index)
	{
		if (TValueOrError<void, FString> Made = FPlatformFile::MakeDirectory(Missing[Index]); Made.HasError())
		{
			return Made;
		}
	}
	return MakeValue();
}

TValueOrError<FFileLocation, FString> OpenFileLocation(const FString& Path, const FFileAccess& Access, bool bCreateFolders,
	const TCHAR* Action)
{
	if (Path.IsEmpty() || IsSeparator(Path[Path.Len() - 1]))
	{
		return MakeError(DescribeFileError(Action, Path, TEXT("the path names no file")));
	}
	if (!Access.BaseFolder.IsEmpty())
	{
		return OpenBelowBase(Path, Access.BaseFolder, bCreateFolders, Action);
	}

	const FString Parent = ParentOf(Path);
	if (bCreateFolders && !Parent.IsEmpty())
	{
		if (TValueOrError<void, FString> Made = MakeDirectoryTree(Parent); Made.HasError())
		{
			return MakeError(Made.StealError());
		}
	}
	TValueOrError<std::unique_ptr<IPlatformFolder>, FString> Folder = FPlatformFile::OpenFolder(Parent.IsEmpty() ? FString(TEXT(".")) : Parent);
	if (Folder.HasError())
	{
		return MakeError(Folder.StealError());
	}
	return MakeValue(FFileLocation{Folder.StealValue(), LastNameOf(Path)});
}
