// The exit status of hmd-json.
#pragma once

namespace HmdJsonExit
{
	/** format: the formatted text was written. check: the file loads as written and nothing is lost. */
	constexpr int Success = 0;
	/** format: the text is not JSON the settings reader accepts, or its root is not an object. */
	constexpr int InvalidJson = 1;
	/** check: the module would lose or ignore something of the file. */
	constexpr int WouldLoseSomething = 1;
	/** Bad usage, an input that cannot be read, or an output that cannot be written. */
	constexpr int UsageOrIo = 2;
}
