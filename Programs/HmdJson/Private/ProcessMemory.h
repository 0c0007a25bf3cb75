// Tuning of the process's heap for one large document.
#pragma once

#include "CoreTypes.h"

namespace ProcessMemory
{
	/**
	 * Prepares the heap for reading and formatting a document of
	 * DocumentBytes bytes, before anything of it is allocated. A large
	 * document is decoded into text of twice its size and read into a tree
	 * of millions of small blocks, all touched for the first time; where the
	 * system lets a process ask for it, the heap is then reserved in one
	 * piece backed by large pages, so that this memory costs a few hundred
	 * page faults instead of tens of thousands. Small documents, processes
	 * under a memory limit and systems without the means keep the heap as
	 * it is. Only ever a hint: the program works the same either way.
	 */
	void PrepareForDocument(int64 DocumentBytes);
}
