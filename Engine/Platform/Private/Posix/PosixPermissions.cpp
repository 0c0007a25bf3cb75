#include "Posix/PosixPermissions.h"

#include "Posix/PosixFileSupport.h"

#include <cerrno>
#include <unistd.h>

namespace
{
	constexpr mode_t FileBits = S_IRWXU | S_IRWXG | S_IRWXO;
	constexpr mode_t FolderBits = FileBits | S_ISGID | S_ISVTX;

	/** Mode with its group bits cut down to its bits for everyone else. */
	mode_t NarrowGroupToOthers(mode_t Mode)
	{
		const mode_t OthersAsGroup = (Mode & S_IRWXO) << 3;
		return (Mode & ~S_IRWXG) | (Mode & S_IRWXG & OthersAsGroup);
	}
}

TValueOrError<void, FString> TakePermissions(int Descriptor, const struct stat& Model, EPermissionCopy Copy, const FString& Path)
{
	struct stat Made;
	if (::fstat(Descriptor, &Made) != 0)
	{
		return MakeError(DescribeSystemError(TEXT("Could not set the permissions of"), Path, errno));
	}

	const bool bCopiesOwner = Copy == EPermissionCopy::File && ::geteuid() == 0;
	mode_t Mode = Model.st_mode & (Copy == EPermissionCopy::File ? FileBits : FolderBits);
	const bool bOwnerDiffers = bCopiesOwner && Made.st_uid != Model.st_uid;
	if (bOwnerDiffers || Made.st_gid != Model.st_gid)
	{
		const uid_t Owner = bCopiesOwner ? Model.st_uid : static_cast<uid_t>(-1);
		if (::fchown(Descriptor, Owner, Model.st_gid) != 0)
		{
			Mode = NarrowGroupToOthers(Mode);
		}
	}
	// Set last: the bits may only open the file up once its group is the model's.
	if (::fchmod(Descriptor, Mode) != 0)
	{
		return MakeError(DescribeSystemError(TEXT("Could not set the permissions of"), Path, errno));
	}
	return MakeValue();
}
