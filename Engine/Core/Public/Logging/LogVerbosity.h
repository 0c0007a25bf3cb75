#pragma once

#include "CoreApi.h"
#include "CoreTypes.h"

namespace ELogVerbosity
{
	/** How important a log line is; a category shows lines up to its own verbosity. */
	enum Type : uint8
	{
		NoLogging = 0,
		Fatal,
		Error,
		Warning,
		Display,
		Log,
		Verbose,
		VeryVerbose,
	};

	CORE_API const TCHAR* ToString(Type Verbosity);
}
