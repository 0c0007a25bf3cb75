// FExtensibilityManager: the extenders that other modules hand to the owner
// of a menu, applied each time that menu is built.
#pragma once

#include "CommandsApi.h"
#include "Containers/Array.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "Templates/SharedPointer.h"

class COMMANDS_API FExtensibilityManager
{
public:
	/** Keeps the extender until it is removed; adding it again or adding null changes nothing. */
	void AddExtender(const TSharedPtr<FExtender>& Extender);
	void RemoveExtender(const TSharedPtr<FExtender>& Extender);

	/** The kept extenders, in the order they were added. */
	const TArray<TSharedPtr<FExtender>>& GetExtenders() const { return Extenders; }

	/** Every kept extender's extensions, combined into one extender. */
	TSharedPtr<FExtender> GetAllExtenders() const;

private:
	TArray<TSharedPtr<FExtender>> Extenders;
};

/** Implemented by modules whose menus other modules may extend. */
class IHasMenuExtensibility
{
public:
	virtual ~IHasMenuExtensibility() = default;
	virtual TSharedPtr<FExtensibilityManager> GetMenuExtensibilityManager() = 0;
};
