#include "EditorStyleSet.h"

FName FEditorStyle::GetStyleSetName()
{
	return FName(TEXT("EditorStyle"));
}
