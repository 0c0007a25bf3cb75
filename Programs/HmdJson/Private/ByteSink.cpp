#include "ByteSink.h"

#include "StandardOutput.h"

bool FStandardOutputSink::Write(const uint8* Bytes, SIZE_T Size)
{
	return StandardOutput::WriteBytes(Bytes, static_cast<int64>(Size));
}

bool FMemorySink::Write(const uint8* Data, SIZE_T Size)
{
	Bytes.insert(Bytes.end(), Data, Data + Size);
	return true;
}
