// Fatal assertions: a broken invariant stops the program with the text of
// the condition that failed.
#pragma once

#include "CoreApi.h"
#include "CoreTypes.h"

struct CORE_API FDebug
{
	/** Reports a failed check on the log and standard error, then stops the process. */
	[[noreturn]] static void AssertFailed(const char* Expr, const char* File, int32 Line, const char* Message = nullptr);
};

#define check(expr)                                                   \
	do                                                                \
	{                                                                 \
		if (!(expr)) [[unlikely]]                                     \
		{                                                             \
			::FDebug::AssertFailed(#expr, __FILE__, __LINE__);        \
		}                                                             \
	} while (false)

#define checkf(expr, message)                                         \
	do                                                                \
	{                                                                 \
		if (!(expr)) [[unlikely]]                                     \
		{                                                             \
			::FDebug::AssertFailed(#expr, __FILE__, __LINE__, message); \
		}                                                             \
	} while (false)

#define checkNoEntry() ::FDebug::AssertFailed("Enclosing block should never be called", __FILE__, __LINE__)
