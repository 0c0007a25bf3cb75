#include "Framework/MultiBox/ExtensibilityManager.h"

void FExtensibilityManager::AddExtender(const TSharedPtr<FExtender>& Extender)
{
	if (Extender.IsValid() && !Extenders.Contains(Extender))
	{
		Extenders.Add(Extender);
	}
}

void FExtensibilityManager::RemoveExtender(const TSharedPtr<FExtender>& Extender)
{
	Extenders.Remove(Extender);
}

TSharedPtr<FExtender> FExtensibilityManager::GetAllExtenders() const
{
	return FExtender::Combine(Extenders);
}
