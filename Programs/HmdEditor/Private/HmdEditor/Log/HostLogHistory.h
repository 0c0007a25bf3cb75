// The log lines of this run, kept for the Output Log window and the status
// line. The session adds the history to GLog when it starts and removes it
// when it shuts down, so it sees every line the modules and the host log
// meanwhile, whatever else the mode does with them (standard error, the log
// file).
#pragma once

#include "Containers/UnrealString.h"
#include "CoreTypes.h"
#include "Logging/LogVerbosity.h"
#include "Misc/OutputDevice.h"
#include "UObject/NameTypes.h"

#include <deque>

struct FHostLogLine
{
	FName Category;
	ELogVerbosity::Type Verbosity = ELogVerbosity::Log;
	FString Message;

	/** The line as the editor's output log shows it: "LogOrvekHmdSettings: Warning: ...". */
	FString Format() const { return FormatLogLine(*Message, Verbosity, Category); }
	/** Warnings, errors and fatal errors. */
	bool IsProblem() const { return Verbosity != ELogVerbosity::NoLogging && Verbosity <= ELogVerbosity::Warning; }
};

class FHostLogHistory : public FOutputDevice
{
public:
	/** The most lines kept: beyond it, the oldest go. */
	static constexpr int32 DefaultMaxLines = 10000;

	explicit FHostLogHistory(int32 InMaxLines = DefaultMaxLines);

	void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override;

	/** The kept lines, oldest first. */
	const std::deque<FHostLogLine>& GetLines() const { return Lines; }
	/** How many lines went because the history was full. */
	int64 GetDroppedLineCount() const { return DroppedLines; }

	/**
	 * The message for the status line: the latest warning or error logged
	 * since ClearNotice, else the latest ordinary message (Log or Display)
	 * since then; null when there is none. Verbose lines are never shown.
	 */
	const FHostLogLine* GetNotice() const { return bHasNotice ? &Notice : nullptr; }
	/** Forgets the notice: the user has seen it (a key was pressed). */
	void ClearNotice() { bHasNotice = false; }

private:
	std::deque<FHostLogLine> Lines;
	int32 MaxLines;
	int64 DroppedLines = 0;
	FHostLogLine Notice;
	bool bHasNotice = false;
};
