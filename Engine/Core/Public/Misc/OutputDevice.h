// Output devices receive formatted log lines. GLog fans each line out to
// every device added to it; by default that is standard error.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "CoreApi.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

class CORE_API FOutputDevice
{
public:
	virtual ~FOutputDevice() = default;
	virtual void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) = 0;
	virtual void Flush() {}
};

/** Writes "Category: Verbosity: Message" lines to standard error. */
class CORE_API FOutputDeviceStdErr : public FOutputDevice
{
public:
	void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override;
	void Flush() override;
};

/** The log: sends every line to each of its devices, in the order they were added. */
class CORE_API FOutputDeviceRedirector : public FOutputDevice
{
public:
	FOutputDeviceRedirector();

	void AddOutputDevice(FOutputDevice* Device);
	void RemoveOutputDevice(FOutputDevice* Device);
	/** Removes every device, the standard-error one included. */
	void RemoveAllOutputDevices();

	void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override;
	void Flush() override;

	static FOutputDeviceRedirector& Get();

private:
	TArray<FOutputDevice*> Devices;
	FOutputDeviceStdErr StdErr;
};

/** Formats a log line the way every device shows it. */
CORE_API FString FormatLogLine(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category);

#define GLog (&::FOutputDeviceRedirector::Get())
