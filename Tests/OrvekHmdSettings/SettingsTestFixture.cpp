#include "SettingsTestFixture.h"

#include "OrvekHmdSettingsWidget.h"

#include "Containers/StringConv.h"
#include "Framework/Application/SlateApplication.h"
#include "HAL/FileManagerTesting.h"
#include "Shell/PlatformShell.h"
#include "Text/CodePointString.h"
#include "Widgets/SWindow.h"

#include <algorithm>

#if !defined(_WIN32)
#include "Posix/PosixTestSupport.h"

#include <sys/wait.h>
#include <unistd.h>
#endif

void FLogCapture::Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category)
{
	Lines.Add(FormatLogLine(Message, Verbosity, Category));
	Verbosities.Add(Verbosity);
}

TArray<FString> FLogCapture::LinesOf(ELogVerbosity::Type Verbosity) const
{
	TArray<FString> Result;
	for (int32 Index = 0; Index < Lines.Num(); ++Index)
	{
		if (Verbosities[Index] == Verbosity)
		{
			Result.Add(Lines[Index]);
		}
	}
	return Result;
}

std::string FLogCapture::Warnings() const
{
	std::string Text;
	for (const FString& Line : LinesOf(ELogVerbosity::Warning))
	{
		Text += StringConv::ToUtf8(Line) + "\n";
	}
	return Text;
}

void FLogCapture::Clear()
{
	Lines.Empty();
	Verbosities.Empty();
}

FString Utf8(const char* Text)
{
	return StringConv::FromUtf8(Text);
}

std::string Utf16File(const std::u16string& Text)
{
	std::string Bytes = "\xFF\xFE";
	for (const char16_t Unit : Text)
	{
		Bytes.push_back(static_cast<char>(Unit & 0xFF));
		Bytes.push_back(static_cast<char>(Unit >> 8));
	}
	return Bytes;
}

void FSettingsTest::SetUp()
{
	UseDocumentsFolder(u"Public Documents");
	FSlateApplication::Create();
	GLog->AddOutputDevice(&Log);
}

void FSettingsTest::TearDown()
{
	GLog->RemoveOutputDevice(&Log);
	Window.Reset();
	FSlateApplication::Shutdown();
	FPlatformShell::ClearKnownFolderOverride();
	FFileManagerTesting::SetWriteFault(EFileWriteFault::None);
}

void FSettingsTest::UseDocumentsFolder(const std::u16string& Name)
{
	Documents = Root / std::filesystem::path(Name);
	std::filesystem::create_directories(Documents);
	FPlatformShell::SetKnownFolderOverride(FString(Documents.u16string()));
}

std::filesystem::path FSettingsTest::ConfigFile() const
{
	return Documents / "Orvek" / "Skellan_4.20" / "Config" / "OHeadSetConfig.json";
}

FString FSettingsTest::ConfigFilePath() const
{
	return FString(Documents.u16string()) + TEXT("/Orvek/Skellan_4.20/Config/OHeadSetConfig.json");
}

std::filesystem::path FSettingsTest::BackupFile() const
{
	return ConfigFile().string() + ".bak";
}

std::vector<std::string> FSettingsTest::ConfigFolderEntries() const
{
	std::vector<std::string> Names;
	for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(ConfigFile().parent_path()))
	{
		Names.push_back(Entry.path().filename().string());
	}
	std::sort(Names.begin(), Names.end());
	return Names;
}

void FSettingsTest::WriteConfig(const std::string& Bytes) const
{
	WriteFileBytes(ConfigFile(), Bytes);
}

std::string FSettingsTest::ReadConfig() const
{
	return ReadFileBytes(ConfigFile());
}

TSharedRef<SOrvekHmdSettingsWidget> FSettingsTest::OpenPanel()
{
	TSharedRef<SOrvekHmdSettingsWidget> Panel = SNew(SOrvekHmdSettingsWidget);
	TSharedRef<SWindow> NewWindow = SNew(SWindow).SizingRule(ESizingRule::Autosized);
	NewWindow->SetContent(Panel);
	Window = FSlateApplication::Get().AddWindow(NewWindow);
	return Panel;
}

void FSettingsTest::ClosePanel(const TSharedRef<SOrvekHmdSettingsWidget>& Panel)
{
	FSlateApplication::Get().RequestDestroyWindow(Window.ToSharedRef());
	Panel->SaveConfig();
}

void FSettingsTest::Type(const FString& Text) const
{
	// One character event per code point, as a keyboard delivers them.
	for (const char32_t Character : CodePointString::FromText(Text))
	{
		FSlateApplication::Get().ProcessKeyCharEvent(FCharacterEvent(Character));
	}
}

void FSettingsTest::Press(const FKey& Key, bool bShift) const
{
	FModifierKeysState Modifiers;
	Modifiers.bShift = bShift;
	FSlateApplication::Get().ProcessKeyDownEvent(FKeyEvent(Key, Modifiers));
}

TArray<FString> FSettingsTest::Screen() const
{
	const FSlateSurface& Surface = FSlateApplication::Get().PaintToSurface();
	TArray<FString> Rows;
	for (int32 Row = 0; Row < Surface.GetRows(); ++Row)
	{
		Rows.Add(Surface.GetRowString(Row));
	}
	return Rows;
}

bool FSettingsTest::ScreenShows(const FString& Text) const
{
	for (const FString& Row : Screen())
	{
		if (Row.View().find(Text.View()) != std::u16string_view::npos)
		{
			return true;
		}
	}
	return false;
}

std::optional<std::string> FSettingsTest::RunAsOrdinaryUser(const std::function<std::string()>& Body)
{
#if defined(_WIN32)
	return Body();
#else
	if (!IsSuperuser())
	{
		return Body();
	}
	for (const std::filesystem::directory_entry& Entry : std::filesystem::recursive_directory_iterator(Root))
	{
		if (lchown(Entry.path().c_str(), OrdinaryUserId, OrdinaryUserId) != 0)
		{
			return std::nullopt;
		}
	}
	if (lchown(Root.c_str(), OrdinaryUserId, OrdinaryUserId) != 0)
	{
		return std::nullopt;
	}

	int Pipe[2];
	if (pipe(Pipe) != 0)
	{
		return std::nullopt;
	}
	const pid_t Child = fork();
	if (Child == 0)
	{
		close(Pipe[0]);
		if (!TakeOrdinaryUserIds())
		{
			_exit(3);
		}
		const std::string Report = Body();
		for (SIZE_T Written = 0; Written < Report.size();)
		{
			const ssize_t Count = write(Pipe[1], Report.data() + Written, Report.size() - Written);
			if (Count <= 0)
			{
				_exit(4);
			}
			Written += static_cast<SIZE_T>(Count);
		}
		_exit(0);
	}
	close(Pipe[1]);
	if (Child < 0)
	{
		close(Pipe[0]);
		return std::nullopt;
	}
	std::string Report;
	char Buffer[4096];
	for (ssize_t Count; (Count = read(Pipe[0], Buffer, sizeof(Buffer))) > 0;)
	{
		Report.append(Buffer, static_cast<SIZE_T>(Count));
	}
	close(Pipe[0]);
	int Status = 0;
	waitpid(Child, &Status, 0);
	if (WIFEXITED(Status) && WEXITSTATUS(Status) == 3)
	{
		return std::nullopt;
	}
	if (!WIFEXITED(Status) || WEXITSTATUS(Status) != 0)
	{
		ADD_FAILURE() << "the ordinary user's part ended abnormally (wait status " << Status << ")";
	}
	return Report;
#endif
}
