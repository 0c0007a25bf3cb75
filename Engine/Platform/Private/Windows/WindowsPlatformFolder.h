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
#include <optional>
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

	/** What a copy is made from: the copied file's metadata, its access control list and its bytes. */
	struct FCopySource
	{
		FFileMetadata Metadata;
		/** Self-relative, with the access control list only. */
		std::vector<uint8> Descriptor;
		TArray<uint8> Bytes;
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

		TValueOrError<std::unique_ptr<IPlatformFolder>, FString> OpenChild(const FString& Name, bool bCreate,
			const IPlatformFolder* PermissionModel) override;
		FFileEntryStatus Stat(const FString& Name) override;
		TValueOrError<TArray<FString>, FString> ListNames() override;
		TValueOrError<TArray<uint8>, FString> LoadFile(const FString& Name) override;
		TValueOrError<std::unique_ptr<IPlatformFileWriter>, FString> CreateNew(const FString& Name, const FString* PermissionModel) override;
		bool RemoveAbandoned(const FString& Name) override;
		TValueOrError<void, FString> Delete(const FString& Name) override;
		TValueOrError<void, FString> KeepCopy(const FString& Name, const FString& BackupName) override;
		TValueOrError<void, FString> Replace(const FString& From, const FString& To) override;

	private:
		/** The path of an entry for messages, written with the separator Path uses. */
		FString PathOf(const FString& Name) const;
		std::wstring NativePathOf(const FString& Name) const;
		/** What an entry's final path must be, or empty when this folder's own is unknown. */
		std::wstring ExpectedFinalPathOf(const std::wstring& EntryNative) const;
		/** Fails, naming it, when Name is not one entry of this folder. */
		TValueOrError<void, FString> CheckName(const FString& Name, const TCHAR* Action) const;
		/** Opens an existing entry; INVALID_HANDLE_VALUE with the last error set otherwise. */
		static HANDLE OpenEntry(const std::wstring& EntryNative, DWORD Access, DWORD Sharing);
		/**
		 * Opens the regular file Name for deleting it through the handle, with
		 * FILE_READ_ATTRIBUTES as well. Deleting by path would not do: Wine
		 * deletes what a Unix link points to when asked to delete the link.
		 */
		TValueOrError<FScopedHandle, FString> OpenForDeleting(const FString& Name) const;
		/** Opens an existing regular file (no link), reporting anything else with Action. */
		TValueOrError<FScopedHandle, FString> OpenFile(const FString& Name, DWORD Access, const TCHAR* Action) const;
		/**
		 * Looks at the file a replace or a copy would put something in place of:
		 * what is there must not be marked read-only, and when it is a file, this
		 * process must be able to write and delete it. The value is that file's
		 * metadata, or none when nothing is there; a link there is replaced
		 * itself, so nothing is taken from it either.
		 */
		TValueOrError<std::optional<FFileMetadata>, FString> InspectReplaced(const FString& Name) const;
		/** Reads what a copy of the regular file Name is made from; the file is closed again when it returns. */
		TValueOrError<FCopySource, FString> ReadCopySource(const FString& Name) const;
		/** Gives the closed file Name the attributes and permissions of Metadata. */
		TValueOrError<void, FString> GiveMetadata(const FString& Name, const FFileMetadata& Metadata, DWORD Attributes) const;
		/** Renames From over To and makes the rename durable. */
		TValueOrError<void, FString> MoveOver(const FString& From, const FString& To) const;

		FString Path;
		std::wstring Native;
		bool bNativeIsFinal;
		std::shared_ptr<const FHeldFolder> Held;
	};
}
