// Readable failure messages for engine text and names.
#pragma once

#include "Containers/UnrealString.h"
#include "Internationalization/Text.h"
#include "UObject/NameTypes.h"

#include <ostream>

void PrintTo(const FString& Text, std::ostream* Stream);
void PrintTo(const FName& Name, std::ostream* Stream);
void PrintTo(const FText& Text, std::ostream* Stream);
