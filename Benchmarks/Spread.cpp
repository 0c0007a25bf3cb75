#include "Spread.h"

#include <algorithm>

FSpread FSpread::Of(std::vector<double> Values)
{
	std::sort(Values.begin(), Values.end());
	const size_t Middle = Values.size() / 2;
	FSpread Result;
	Result.Median = Values.size() % 2 == 1 ? Values[Middle] : (Values[Middle - 1] + Values[Middle]) / 2.0;
	Result.Min = Values.front();
	Result.Max = Values.back();
	return Result;
}
