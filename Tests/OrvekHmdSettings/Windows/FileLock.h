// A file held open the way another program locks it on Windows: without
// sharing, so that no one else may read, write or replace it meanwhile.
#pragma once

#include <filesystem>

class FFileLock
{
public:
	explicit FFileLock(const std::filesystem::path& Path);
	~FFileLock();
	FFileLock(const FFileLock&) = delete;
	FFileLock& operator=(const FFileLock&) = delete;

	/** True when the file could be opened and is held. */
	bool IsHeld() const;

private:
	void* Handle;
};
