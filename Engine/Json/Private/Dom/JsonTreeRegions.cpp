#include "JsonTreeRegions.h"

#include <new>

// The regions are ordinary heap memory, aligned to their size. They are not
// asked to be backed by large pages: measured on whole runs of a large
// document, the kernel's work to find and clear large pages cost more time
// than the page faults it saved. As heap blocks they are also what leak
// checkers scan for pointers, so the values in them are seen like any other.
void* JsonTreeRegions::Allocate()
{
	return ::operator new(RegionSize, std::align_val_t(RegionSize), std::nothrow);
}

void JsonTreeRegions::Free(void* Region)
{
	::operator delete(Region, std::align_val_t(RegionSize));
}
