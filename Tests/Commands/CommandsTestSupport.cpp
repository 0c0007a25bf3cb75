#include "CommandsTestSupport.h"

#include "Containers/StringConv.h"

void PrintTo(const FString& Text, std::ostream* Stream)
{
	*Stream << '"' << StringConv::ToUtf8(Text) << '"';
}

void PrintTo(const FName& Name, std::ostream* Stream)
{
	*Stream << StringConv::ToUtf8(Name.ToString());
}

void PrintTo(const FText& Text, std::ostream* Stream)
{
	PrintTo(Text.ToString(), Stream);
}
