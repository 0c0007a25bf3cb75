// Converting the text of a JSON number to a double.
#pragma once

#include <string_view>

namespace JsonNumberText
{
	/**
	 * The double nearest to Text, which must have JSON number grammar. The
	 * result does not depend on the process locale. Beyond the double range
	 * it is an infinity of the number's sign; below the smallest denormal, a
	 * zero of that sign.
	 */
	double ToDouble(std::string_view Text);
}
