#include "HmdEditor/Log/HostLogHistory.h"

#include <algorithm>

FHostLogHistory::FHostLogHistory(int32 InMaxLines)
	: MaxLines(std::max(InMaxLines, 1))
{
}

void FHostLogHistory::Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category)
{
	FHostLogLine Line{Category, Verbosity, FString(Message)};

	// A warning stays on the status line until the user has seen it: a
	// plainer message logged after it does not push it out.
	const bool bShowable = Verbosity != ELogVerbosity::NoLogging && Verbosity <= ELogVerbosity::Log;
	if (bShowable && (!bHasNotice || Line.IsProblem() || !Notice.IsProblem()))
	{
		Notice = Line;
		bHasNotice = true;
	}

	Lines.push_back(std::move(Line));
	if (static_cast<int32>(Lines.size()) > MaxLines)
	{
		Lines.pop_front();
		++DroppedLines;
	}
}
