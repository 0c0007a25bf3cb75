#include "Misc/OutputDevice.h"

#include "Containers/StringConv.h"

#include <cstdio>

FString FormatLogLine(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category)
{
	FString Line = Category.ToString();
	Line += TEXT(": ");
	if (Verbosity != ELogVerbosity::Log && Verbosity != ELogVerbosity::Display)
	{
		Line += ELogVerbosity::ToString(Verbosity);
		Line += TEXT(": ");
	}
	Line += Message;
	return Line;
}

void FOutputDeviceStdErr::Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category)
{
	const std::string Line = StringConv::ToUtf8(FormatLogLine(Message, Verbosity, Category)) + "\n";
	std::fwrite(Line.data(), 1, Line.size(), stderr);
}

void FOutputDeviceStdErr::Flush()
{
	std::fflush(stderr);
}

FOutputDeviceRedirector::FOutputDeviceRedirector()
{
	Devices.Add(&StdErr);
}

void FOutputDeviceRedirector::AddOutputDevice(FOutputDevice* Device)
{
	if (Device != nullptr && !Devices.Contains(Device))
	{
		Devices.Add(Device);
	}
}

void FOutputDeviceRedirector::RemoveOutputDevice(FOutputDevice* Device)
{
	Devices.Remove(Device);
}

void FOutputDeviceRedirector::RemoveAllOutputDevices()
{
	Devices.Empty();
}

void FOutputDeviceRedirector::Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category)
{
	// A copy, so that a device may add or remove devices while it writes.
	const TArray<FOutputDevice*> Targets = Devices;
	for (FOutputDevice* Device : Targets)
	{
		Device->Serialize(Message, Verbosity, Category);
	}
}

void FOutputDeviceRedirector::Flush()
{
	for (FOutputDevice* Device : Devices)
	{
		Device->Flush();
	}
}

FOutputDeviceRedirector& FOutputDeviceRedirector::Get()
{
	static FOutputDeviceRedirector Redirector;
	return Redirector;
}
