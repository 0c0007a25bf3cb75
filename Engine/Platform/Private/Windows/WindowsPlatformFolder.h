// Folders opened once and then reached by name. Win32 has no calls relative
// to a folder handle, so an entry is reached by a path: the folder's final
// path, as the system resolved it when the folder was opened, joined with the
// entry's name. What keeps that path naming the same folder is the handle
// held on it and on every folder it was opened through: each is opened
// without FILE_SHARE_DELETE, so none of them can be renamed, removed or
// replaced by a junction while it is held.
#pragma once

#include "Common/PlatformFile.h"
#include "Windows/WindowsFileMetadata.h"
#include "Windows/WindowsFileSupport.h"

#include <memory>
#include <string>

namespace WindowsFile
{
	/** A held folder's access: its entries may be listed and reached. */
	constexpr DWORD FolderAccess = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
	/** A held folder's sharing: everything but deleting or renaming it. */
	constexpr DWORD FolderSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
	constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
	/** Entries are opened whatever they are, folders too, and a reparse point as itself. */
	constexpr DWORD EntryFlags = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;

	/** The handle held on a folder and, through Parent, on each folder it was opened through. */
	struct FHeldFolder
	{
		FScopedHandle Handle;
		std::shared_ptr<const FHeldFolder> Parent;
	};

	/** Made by FPlatformFile::OpenFolder, and by OpenChild for the folders below. */
	class FWindowsFolder final : public IPlatformFolder
	{
	public:
		/**
		 * InNative is where the system calls go. With bInNativeIsFinal it is the
		 * folder's final path, which every entry opened below must keep to;
		 * otherwise the system gave none, and it is the path as opened.
		 */
		FWindowsFolder(FString InPath, std::wstring InNative, bool bInNativeIsFinal, std::shared_ptr<const FHeldFolder> InHeld)
			: Path(std::move(InPath)), Native(std::move(InNative)), bNativeIsFinal(bInNativeIsFinal), Held(std::move(InHeld))
		{
		}

		const FString& GetPath() const override
		{
			return Path;
		}

		std::unique_ptr<IPlatformFolder> OpenChild(const FString& Name, bool bCreate, const IPlatformFolder* PermissionModel,
			FString& OutError) override;
		FFileEntryStatus Stat(const FString& Name) override;
		bool ListNames(TArray<FString>& OutNames, FString& OutError) override;
		bool LoadFile(const FString& Name, TArray<uint8>& OutBytes, FString& OutError) override;
		std::unique_ptr<IPlatformFileWriter> CreateNew(const FString& Name, const FString* PermissionModel, FString& OutError) override;
		bool RemoveAbandoned(const FString& Name) override;
		bool Delete(const FString& Name, FString& OutError) override;
		bool KeepCopy(const FString& Name, const FString& BackupName, FString& OutError) override;
		bool Replace(const FString& From, const FString& To, FString& OutError) override;

	private:
		/** The path of an entry for messages, written with the separator Path uses. */
		FString PathOf(const FString& Name) const;
		std::wstring NativePathOf(const FString& Name) const;
		/** What an entry's final path must be, or empty when this folder's own is unknown. */
		std::wstring ExpectedFinalPathOf(const std::wstring& EntryNative) const;
		/** False, with OutError naming it, when Name is not one entry of this folder. */
		bool CheckName(const FString& Name, const TCHAR* Action, FString& OutError) const;
		/** Opens an existing entry; INVALID_HANDLE_VALUE with the last error set otherwise. */
		static HANDLE OpenEntry(const std::wstring& EntryNative, DWORD Access, DWORD Sharing);
		/**
		 * Opens the regular file Name for deleting it through the handle, with
		 * FILE_READ_ATTRIBUTES as well. Deleting by path would not do: Wine
		 * deletes what a Unix link points to when asked to delete the link.
		 */
		FScopedHandle OpenForDeleting(const FString& Name, FString& OutError) const;
		/** Opens an existing regular file (no link), reporting anything else with Action. */
		FScopedHandle OpenFile(const FString& Name, DWORD Access, const TCHAR* Action, FString& OutError) const;
		/**
		 * Looks at the file a replace or a copy would put something in place of:
		 * what is there must not be marked read-only, and when it is a file, this
		 * process must be able to write and delete it. OutMetadata receives that
		 * file's, and bOutKeepMetadata says there is one; a link there is
		 * replaced itself, so nothing is taken from it.
		 */
		bool InspectReplaced(const FString& Name, bool& bOutKeepMetadata, FFileMetadata& OutMetadata, FString& OutError) const;
		/** Gives the closed file Name the attributes and permissions of Metadata. */
		bool GiveMetadata(const FString& Name, const FFileMetadata& Metadata, DWORD Attributes, FString& OutError) const;
		/** Renames From over To and makes the rename durable. */
		bool MoveOver(const FString& From, const FString& To, FString& OutError) const;

		FString Path;
		std::wstring Native;
		bool bNativeIsFinal;
		std::shared_ptr<const FHeldFolder> Held;
	};
}
