#include "Serialization/Archive.h"

DEFINE_LOG_CATEGORY(LogSerialization);

bool FArchive::AtEnd()
{
	const int64 Pos = Tell();
	return Pos != -1 && Pos >= TotalSize();
}
