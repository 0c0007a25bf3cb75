// FBindingContext: a named group of commands, such as one command set.
#pragma once

#include "CommandsApi.h"
#include "Delegates/Delegate.h"
#include "Internationalization/Text.h"
#include "Templates/SharedPointer.h"
#include "UObject/NameTypes.h"

class FBindingContext;

DECLARE_MULTICAST_DELEGATE_OneParam(FOnCommandsChanged, const FBindingContext&);

class COMMANDS_API FBindingContext : public TSharedFromThis<FBindingContext>
{
public:
	FBindingContext(FName InContextName, const FText& InContextDesc, FName InContextParent, FName InStyleSetName);
	virtual ~FBindingContext();

	FBindingContext(const FBindingContext&) = delete;
	FBindingContext& operator=(const FBindingContext&) = delete;

	FName GetContextName() const { return ContextName; }
	const FText& GetContextDesc() const { return ContextDesc; }
	FName GetContextParent() const { return ContextParent; }
	/** The style set that holds the icons of the context's commands. */
	FName GetStyleSetName() const { return StyleSetName; }

	/** Announced whenever a command set is registered or unregistered. */
	static FOnCommandsChanged CommandsChanged;

private:
	FName ContextName;
	FText ContextDesc;
	FName ContextParent;
	FName StyleSetName;
};
