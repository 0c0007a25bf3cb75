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
	bool SplitBelowBase(const FString& Path, const FString& Base, const TCHAR* Action, TArray<FString>& OutNames, FString& OutError)
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
			OutError = DescribeFileError(Action, Path, TEXT("the path does not lie below the folder '") + Base + TEXT("'"));
			return false;
		}

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
				OutError = DescribeFileError(
					Action, Path, TEXT("below the folder '") + Base + TEXT("' the path holds an empty name, \".\" or \"..\""));
				return false;
			}
			OutNames.Add(Name);
			Name.Empty();
		}
		return true;
	}

	bool OpenBelowBase(const FString& Path, const FString& Base, bool bCreateFolders, const TCHAR* Action, FFileLocation& OutLocation,
		FString& OutError)
	{
		TArray<FString> Names;
		if (!SplitBelowBase(Path, Base, Action, Names, OutError))
		{
			return false;
		}
		std::unique_ptr<IPlatformFolder> BaseFolder = FPlatformFile::OpenFolder(Base, OutError);
		if (!BaseFolder)
		{
			return false;
		}
		std::unique_ptr<IPlatformFolder> Folder;
		for (int32 Index = 0; Index + 1 < Names.Num(); ++Index)
		{
			IPlatformFolder& Parent = Folder ? *Folder : *BaseFolder;
			std::unique_ptr<IPlatformFolder> Child = Parent.OpenChild(Names[Index], bCreateFolders, BaseFolder.get(), OutError);
			if (!Child)
			{
				return false;
			}
			Folder = std::move(Child);
		}
		OutLocation.Folder = Folder ? std::move(Folder) : std::move(BaseFolder);
		OutLocation.Name = Names.Last();
		return true;
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

bool MakeDirectoryTree(const FString& Path, FString& OutError)
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
		if (!FPlatformFile::MakeDirectory(Missing[Index], OutError))
		{
			return false;
		}
	}
	return true;
}

bool OpenFileLocation(const FString& Path, const FFileAccess& Access, bool bCreateFolders, const TCHAR* Action,
	FFileLocation& OutLocation, FString& OutError)
{
	if (Path.IsEmpty() || IsSeparator(Path[Path.Len() - 1]))
	{
		OutError = DescribeFileError(Action, Path, TEXT("the path names no file"));
		return false;
	}
	if (!Access.BaseFolder.IsEmpty())
	{
		return OpenBelowBase(Path, Access.BaseFolder, bCreateFolders, Action, OutLocation, OutError);
	}

	const FString Parent = ParentOf(Path);
	if (bCreateFolders && !Parent.IsEmpty() && !MakeDirectoryTree(Parent, OutError))
	{
		return false;
	}
	OutLocation.Folder = FPlatformFile::OpenFolder(Parent.IsEmpty() ? FString(TEXT(".")) : Parent, OutError);
	OutLocation.Name = LastNameOf(Path);
	return OutLocation.Folder != nullptr;
}
