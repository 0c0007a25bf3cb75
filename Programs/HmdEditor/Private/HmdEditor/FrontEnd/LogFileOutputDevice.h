// Where log lines go while the terminal shows the editor: a log file, since
// anything written to standard error would scribble over the screen.
#pragma once

#include "Containers/Array.h"
#include "Misc/OutputDevice.h"
#include "Templates/ValueOrError.h"

#include <cstdio>
#include <string>

/**
 * Appends log lines to a file, creating its folders. Lines that cannot go to
 * the file are held, and written to standard error by ReleaseHeldLines once
 * the terminal is back to normal, so that no line is lost.
 */
class FLogFileOutputDevice : public FOutputDevice
{
public:
	/** Opens Path (UTF-8) for appending, or says why it cannot (an empty Path: no place is known). */
	TValueOrError<void, std::string> Open(const std::string& Path);
	virtual ~FLogFileOutputDevice() override;

	virtual void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override;
	virtual void Flush() override;

	/** Writes the held lines to standard error and forgets them. */
	void ReleaseHeldLines();

private:
	std::FILE* File = nullptr;
	TArray<std::string> HeldLines;
};
