#include "ProcessMemory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace
{
	/** Smaller documents take little memory; the heap stays as the C library sets it up. */
	constexpr int64 MinDocumentBytes = int64{1} << 20;
	/** The decoded text and the tree's arrays take about five bytes of heap for each byte of the document. */
	constexpr int64 HeapBytesPerDocumentByte = 6;
	constexpr std::uintptr_t LargePageBytes = std::uintptr_t{2} << 20;
	/** The C library's own settings, for going back to them (see mallopt(3)). */
	constexpr int DefaultTopPad = 128 * 1024;
	constexpr int DefaultMmapMax = 65536;

	/**
	 * A reservation counts against a limit on the address space or the data
	 * segment even where it is never touched, so under such a limit the
	 * heap is left alone rather than risk running out sooner.
	 */
	bool IsMemoryLimited()
	{
		for (const int Resource : {RLIMIT_AS, RLIMIT_DATA})
		{
			rlimit Limit{};
			if (getrlimit(Resource, &Limit) != 0 || Limit.rlim_cur != RLIM_INFINITY)
			{
				return true;
			}
		}
		return false;
	}
}

void ProcessMemory::PrepareForDocument(int64 DocumentBytes)
{
	if (DocumentBytes < MinDocumentBytes || IsMemoryLimited())
	{
		return;
	}
	const int64 Reserve = std::min(DocumentBytes * HeapBytesPerDocumentByte, int64{INT_MAX});

	// Large blocks come from the heap too, instead of mappings of their own
	// with small pages, and freed memory stays for the next allocations.
	mallopt(M_MMAP_MAX, 0);
	mallopt(M_TRIM_THRESHOLD, INT_MAX);
	// The heap's next growth reserves Reserve bytes more than it needs;
	// growing it now by a block lets the whole reservation be advised at once.
	mallopt(M_TOP_PAD, static_cast<int>(Reserve));
	const std::uintptr_t Before = reinterpret_cast<std::uintptr_t>(sbrk(0));
	void* volatile Growth = std::malloc(static_cast<SIZE_T>(LargePageBytes));
	const std::uintptr_t After = reinterpret_cast<std::uintptr_t>(sbrk(0));
	std::free(Growth);
	mallopt(M_TOP_PAD, DefaultTopPad);

	if (After < Before + static_cast<std::uintptr_t>(Reserve))
	{
		// The system refused the reservation: large blocks get their own mappings again.
		mallopt(M_MMAP_MAX, DefaultMmapMax);
		return;
	}
	// The reservation's large-page-aligned part, where the system can use large pages.
	const std::uintptr_t First = (Before + LargePageBytes - 1) / LargePageBytes * LargePageBytes;
	madvise(reinterpret_cast<void*>(First), After - First, MADV_HUGEPAGE);
}

#else

// Only the GNU C library's heap can be prepared this way; others stay as they are.
void ProcessMemory::PrepareForDocument(int64)
{
}

#endif
