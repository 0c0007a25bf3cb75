#include "SettingsTestFixture.h"

#include "OrvekHmdSettingsWidget.h"

#include "Containers/StringConv.h"
#include "Framework/Application/SlateApplication.h"
#include "HAL/FileManagerTesting.h"
#include "Shell/PlatformShell.h"
#include "Widgets/SWindow.h"

#include <fstream>
#include <iterator>
#include <random>

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

void PrintTo(const FString& Text, std::ostream* Out)
{
	*Out << '"' << StringConv::ToUtf8(Text) << '"';
}

FString Utf8(const char* Text)
{
	return StringConv::FromUtf8(Text);
}

void FSettingsTest::SetUp()
{
	std::random_device Random;
	Root = std::filesystem::temp_directory_path() / ("orvek-settings-" + std::to_string(Random()));
	std::filesystem::create_directories(Root);
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
	std::error_code Ignored;
	std::filesystem::permissions(Root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, Ignored);
	std::filesystem::remove_all(Root, Ignored);
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

void FSettingsTest::WriteConfig(const std::string& Bytes) const
{
	std::filesystem::create_directories(ConfigFile().parent_path());
	std::ofstream Out(ConfigFile(), std::ios::binary | std::ios::trunc);
	Out << Bytes;
}

std::string FSettingsTest::ReadConfig() const
{
	std::ifstream In(ConfigFile(), std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
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
	const std::u16string_view Units = Text.View();
	for (SIZE_T Index = 0; Index < Units.size(); ++Index)
	{
		char32_t Character = Units[Index];
		if (Character >= 0xD800 && Character <= 0xDBFF && Index + 1 < Units.size() && Units[Index + 1] >= 0xDC00 && Units[Index + 1] <= 0xDFFF)
		{
			Character = 0x10000 + ((Character - 0xD800) << 10) + (Units[++Index] - 0xDC00);
		}
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
