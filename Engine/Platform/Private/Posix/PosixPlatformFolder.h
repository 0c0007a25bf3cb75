// IPlatformFolder over an open folder descriptor: every entry is reached with
// the *at calls relative to it, and below it no link is followed.
//
// A file counts as writable when this process may write it (faccessat with
// the effective ids) and some write bit is set: a file that nobody has write
// permission for is read-only even for the superuser, who may write anything,
// so that "chmod a-w" keeps a file from being replaced whoever saves it.
//
// A new file is made with mode 0600 when it takes another file's permissions,
// which are set before anything is written (so its content is never readable
// by more users than at the end), or 0666 less the umask without one. The
// writer holds an exclusive flock on it until it is closed. RemoveAbandoned
// takes only a regular file owned by this user on which it gets that lock at
// once and that has not changed for AbandonedAfterSeconds.
//
// A missing folder is made 0700, then given the model's group and bits, so
// that the umask plays no part in what it ends up with.
#pragma once

#include "Common/PlatformFile.h"

#include <string>
#include <sys/stat.h>

class FPosixFolder final : public IPlatformFolder
{
public:
	/** Takes over the open folder Descriptor. */
	FPosixFolder(int InDescriptor, FString InPath) : Descriptor(InDescriptor), Path(std::move(InPath)) {}
	~FPosixFolder() override;
	FPosixFolder(const FPosixFolder&) = delete;
	FPosixFolder& operator=(const FPosixFolder&) = delete;

	const FString& GetPath() const override { return Path; }
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
	/** The full path of the entry Name, for messages. */
	FString PathOf(const FString& Name) const;
	/** The entry name as the system takes it; fails for one that is not a single name. */
	TValueOrError<std::string, FString> ToNativeName(const FString& Name, const TCHAR* Action) const;
	bool StatEntry(const std::string& Native, struct stat& OutStatus) const;
	/** The error for an entry that could not be opened: a link is named as such. */
	FString DescribeOpenError(const TCHAR* Action, const FString& Name, const std::string& Native, int Error) const;
	/** Makes the sub-folder Name unless another process just did; the value tells whether this call made it. */
	TValueOrError<bool, FString> MakeChild(const FString& Name, const std::string& Native);
	/** Puts a second name, Temporary, on the file Name, or a copy of it where the system takes no hard links. */
	TValueOrError<void, FString> LinkOrCopy(const FString& Name, const std::string& Native, const FString& Temporary,
		const std::string& NativeTemporary);

	int Descriptor;
	FString Path;
};
