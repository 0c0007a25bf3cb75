// The median and the range of repeated measurements.
#pragma once

#include <vector>

struct FSpread
{
	double Median = 0.0;
	double Min = 0.0;
	double Max = 0.0;

	/** The spread of Values, which must not be empty; the median of an even count is the mean of the middle two. */
	static FSpread Of(std::vector<double> Values);
};
