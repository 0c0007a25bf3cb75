#include "HmdEditor/Script/ScriptFrontEnd.h"

#include "HmdEditor/App/StopSignals.h"
#include "Containers/StringConv.h"
#include "HmdEditor/Input/SlateInputEvents.h"
#include "Text/CodePointString.h"

#include <cerrno>
#include <cstring>
#include <utility>

std::string FormatScreen(const FSlateSurface& Surface)
{
	std::string Text;
	for (int32 Row = 0; Row < Surface.GetRows(); ++Row)
	{
		std::u32string Cells = Surface.GetRowText(Row);
		Cells.erase(Cells.find_last_not_of(U' ') + 1);
		Text += StringConv::ToUtf8(CodePointString::ToText(Cells));
		Text += '\n';
	}
	Text += "--- end of screen ---\n";
	return Text;
}

FScriptFrontEnd::FScriptFrontEnd(TArray<FScriptCommand> InCommands, std::function<void()> InOnQuit, std::FILE* InOutput)
	: Commands(std::move(InCommands)), OnQuit(std::move(InOnQuit)), Output(InOutput)
{
}

bool FScriptFrontEnd::WaitForNextEvent(FSlateEvent& OutEvent)
{
	// A stop signal ends the input wherever the script is, as its end would.
	while (Commands.IsValidIndex(CommandIndex) && StopSignals::GetReceived() == 0 && Result.HasValue())
	{
		const FScriptCommand& Command = Commands[CommandIndex];
		switch (Command.Action)
		{
		case EScriptAction::Press:
			if (Command.Presses.IsValidIndex(PressIndex))
			{
				OutEvent = MakeSlateEvent(Command.Presses[PressIndex++]);
				return true;
			}
			break;
		case EScriptAction::Screen:
			// The application presents the screen before every wait, so this is what the user would see now.
			Result = PrintScreen();
			break;
		case EScriptAction::Sleep:
			// A stop signal ends the wait; the loop's condition then ends the input.
			StopSignals::Sleep(Command.Duration);
			break;
		case EScriptAction::Quit:
			++CommandIndex;
			PressIndex = 0;
			OutEvent = FSlateEvent::MakeAction(OnQuit);
			return true;
		}
		++CommandIndex;
		PressIndex = 0;
	}
	return false;
}

bool FScriptFrontEnd::HasPendingEvents() const
{
	return PressIndex > 0 && Commands.IsValidIndex(CommandIndex) && Commands[CommandIndex].Presses.IsValidIndex(PressIndex);
}

void FScriptFrontEnd::Present(const FSlateSurface& Surface)
{
	LastPresented = Surface;
}

TValueOrError<void, std::string> FScriptFrontEnd::PrintScreen() const
{
	const std::string Screen = FormatScreen(LastPresented);
	errno = 0;
	if (std::fwrite(Screen.data(), 1, Screen.size(), Output) != Screen.size() || std::fflush(Output) != 0)
	{
		const int Error = errno != 0 ? errno : EIO;
		return MakeError(std::string("cannot write the screen to standard output: ") + std::strerror(Error));
	}
	return MakeValue();
}
