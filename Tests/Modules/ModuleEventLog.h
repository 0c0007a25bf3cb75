// Collects the LogTestModule lines of the test modules while it exists.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Misc/OutputDevice.h"

class FModuleEventLog : public FOutputDevice
{
public:
	FModuleEventLog() { GLog->AddOutputDevice(this); }
	~FModuleEventLog() override { GLog->RemoveOutputDevice(this); }
	FModuleEventLog(const FModuleEventLog&) = delete;
	FModuleEventLog& operator=(const FModuleEventLog&) = delete;

	void Serialize(const TCHAR* Message, ELogVerbosity::Type /*Verbosity*/, const FName& Category) override
	{
		if (Category == FName(TEXT("LogTestModule")))
		{
			Events.Add(FString(Message));
		}
	}

	/** The events so far, joined by ", ", and forgotten. */
	FString Take()
	{
		FString Joined;
		for (const FString& Event : Events)
		{
			Joined += (Joined.IsEmpty() ? TEXT("") : TEXT(", ")) + Event;
		}
		Events.Empty();
		return Joined;
	}

private:
	TArray<FString> Events;
};
