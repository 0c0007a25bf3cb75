#include "ProcessMemory.h"

// Large pages need a privilege that ordinary users lack on Windows, so the
// heap stays as it is.
void ProcessMemory::PrepareForDocument(int64)
{
}
