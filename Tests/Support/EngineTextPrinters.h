// Engine text, names and display text shown readably in test failures, and
// engine text as UTF-8 for messages of the test's own.
#pragma once

#include "Containers/UnrealString.h"
#include "Internationalization/Text.h"
#include "UObject/NameTypes.h"

#include <ostream>
#include <string>

/** Engine text as UTF-8. */
std::string Utf8(const FString& Text);

/** Shows engine text as quoted UTF-8, with control characters escaped. */
void PrintTo(const FString& Text, std::ostream* Stream);
void PrintTo(const FName& Name, std::ostream* Stream);
void PrintTo(const FText& Text, std::ostream* Stream);
