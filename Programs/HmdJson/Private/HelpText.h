// What hmd-json says about itself.
#pragma once

namespace HelpText
{
	/** The usage lines, printed on standard error after bad usage. */
	extern const char* const Usage;
	/** The whole description, for --help. */
	extern const char* const Help;
}
