// PLATFORM_PREFETCH(Address): asks the processor to start loading the memory
// at Address into its caches, for code that walks data larger than the
// caches and knows what it reads next. Only a hint: it never faults, and
// compilers without the intrinsic make it nothing.
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define PLATFORM_PREFETCH(Address) __builtin_prefetch(Address)
#else
#define PLATFORM_PREFETCH(Address) ((void)(Address))
#endif
