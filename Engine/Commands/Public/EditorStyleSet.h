// The editor's style set, named by command sets whose icons it holds.
#pragma once

#include "CommandsApi.h"
#include "UObject/NameTypes.h"

class COMMANDS_API FEditorStyle
{
public:
	/** "EditorStyle". */
	static FName GetStyleSetName();
};
