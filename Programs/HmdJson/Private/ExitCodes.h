// The exit status of hmd-json.
#pragma once

namespace HmdJsonExit
{
	/** The formatted text went to standard output. */
	constexpr int Success = 0;
	/** The text is not JSON the settings reader accepts, or its root is not an object. */
	constexpr int InvalidJson = 1;
	/** Bad usage, an input that cannot be read, or an output that cannot be written. */
	constexpr int UsageOrIo = 2;
}
