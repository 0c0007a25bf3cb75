#include "Dom/JsonTeardown.h"

#include <vector>

namespace
{
	// The release loop of the outermost destructor running on this thread, if any.
	thread_local std::vector<TSharedPtr<FJsonValue>>* PendingReleases = nullptr;

	void TakeUniqueContainers(TArray<TSharedPtr<FJsonValue>>& Values, std::vector<TSharedPtr<FJsonValue>>& Pending)
	{
		for (TSharedPtr<FJsonValue>& Value : Values)
		{
			if (Value.IsUnique() && (Value->Type == EJson::Array || Value->Type == EJson::Object))
			{
				Pending.push_back(std::move(Value));
			}
		}
	}
}

void JsonTeardown::ReleaseValues(TArray<TSharedPtr<FJsonValue>>& Values)
{
	if (PendingReleases != nullptr)
	{
		TakeUniqueContainers(Values, *PendingReleases);
		return;
	}

	std::vector<TSharedPtr<FJsonValue>> Pending;
	PendingReleases = &Pending;
	TakeUniqueContainers(Values, Pending);
	while (!Pending.empty())
	{
		// Its destructor adds its own nested containers to Pending.
		TSharedPtr<FJsonValue> Value = std::move(Pending.back());
		Pending.pop_back();
		Value.Reset();
	}
	PendingReleases = nullptr;
}
