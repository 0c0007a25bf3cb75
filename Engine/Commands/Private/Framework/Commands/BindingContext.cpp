#include "Framework/Commands/BindingContext.h"

FOnCommandsChanged FBindingContext::CommandsChanged;

FBindingContext::FBindingContext(FName InContextName, const FText& InContextDesc, FName InContextParent, FName InStyleSetName)
	: ContextName(InContextName), ContextDesc(InContextDesc), ContextParent(InContextParent), StyleSetName(InStyleSetName)
{
}

FBindingContext::~FBindingContext() = default;
