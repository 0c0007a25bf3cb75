// Releasing a JSON tree without recursion. A container's destructor hands
// its nested containers to the release loop of the outermost destructor
// still running on this thread instead of destroying them itself, so a tree
// of any depth is released with a bounded stack.
#pragma once

#include "Containers/Array.h"
#include "Dom/JsonValue.h"
#include "Templates/SharedPointer.h"

namespace JsonTeardown
{
	/**
	 * Takes the containers that only Values holds out of it and releases them
	 * iteratively. What stays in Values (scalars, shared values, empty slots)
	 * releases without recursion when Values itself is destroyed.
	 */
	void ReleaseValues(TArray<TSharedPtr<FJsonValue>>& Values);
}
