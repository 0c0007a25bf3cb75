// The Windows folder primitives, called directly: what each one refuses,
// what a replace and a copy keep, and how links and other programs' handles
// are met. They run under Wine as well; where a link cannot be made, the
// test says why and skips.
#include "WindowsFileTestSupport.h"

#include <gtest/gtest.h>

#include "Containers/StringConv.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <iostream>

using namespace WindowsFileTest;

namespace
{
	constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
	const std::u16string_view SharingViolation = u"(error 32)";
	const std::u16string_view LinkRefused = u"links are not followed here";

	std::string ToString(const TArray<uint8>& Bytes)
	{
		return std::string(reinterpret_cast<const char*>(Bytes.GetData()), static_cast<size_t>(Bytes.Num()));
	}

	/** The error of a result, for a failure message; empty when there is none. */
	template <typename ValueType>
	FString ErrorOf(const TValueOrError<ValueType, FString>& Result)
	{
		return Result.HasError() ? Result.GetError() : FString();
	}

	std::unique_ptr<IPlatformFolder> OpenOrFail(const FString& Path)
	{
		TValueOrError<std::unique_ptr<IPlatformFolder>, FString> Opened = FPlatformFile::OpenFolder(Path);
		EXPECT_TRUE(Opened.HasValue()) << Utf8(ErrorOf(Opened));
		return Opened.HasValue() ? Opened.StealValue() : nullptr;
	}

	/** Writes a new file through the folder as a save does: create, write, flush, close. */
	TValueOrError<void, FString> WriteNew(IPlatformFolder& Target, const FString& Name, std::string_view Bytes, const FString* PermissionModel)
	{
		TValueOrError<std::unique_ptr<IPlatformFileWriter>, FString> Writer = Target.CreateNew(Name, PermissionModel);
		if (Writer.HasError())
		{
			return MakeError(Writer.StealError());
		}
		if (TValueOrError<void, FString> Written = Writer.GetValue()->Write(reinterpret_cast<const uint8*>(Bytes.data()), static_cast<int64>(Bytes.size()));
			Written.HasError())
		{
			return Written;
		}
		return Writer.GetValue()->FlushAndClose();
	}

	int64 NowInUnixSeconds()
	{
		return static_cast<int64>(std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count());
	}

	const FString Settings(TEXT("OHeadSetConfig.json"));
	const FString Backup(TEXT("OHeadSetConfig.json.bak"));
	const FString Temporary(TEXT("OHeadSetConfig.json.0123456789abcdef.tmp"));
}

TEST(WindowsFolder, OpenFolderRefusesWhatIsNoFolder)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "file", "x");
	for (const std::u16string_view Name : {u"missing", u"file"})
	{
		const FString Error = ErrorOf(FPlatformFile::OpenFolder(Root.Path(Name)));
		EXPECT_FALSE(Error.IsEmpty()) << Utf8(Root.Path(Name));
		EXPECT_TRUE(Contains(Error, Root.Path(Name).View())) << Utf8(Error);
	}
}

TEST(WindowsFolder, OpenFolderFollowsALinkThatIsTheFolderItself)
{
	FTempFolder Root;
	std::filesystem::create_directories(Root.Native() / "Elsewhere" / "Orvek");
	const FTestLink Link(Root.Native() / "Elsewhere", Root.Native() / "Documents", true);
		if (!Link.WhyNotMade().empty())
	{
		GTEST_SKIP() << Link.WhyNotMade();
	}
	const std::unique_ptr<IPlatformFolder> Documents = OpenOrFail(Root.Path(u"Documents"));
	ASSERT_NE(Documents, nullptr);
	EXPECT_EQ(Documents->GetPath(), Root.Path(u"Documents"));
	EXPECT_EQ(Documents->Stat(FString(TEXT("Orvek"))).Kind, EFileEntryKind::Folder);
	const TValueOrError<std::unique_ptr<IPlatformFolder>, FString> Child = Documents->OpenChild(FString(TEXT("Orvek")), false, nullptr);
	EXPECT_TRUE(Child.HasValue()) << Utf8(ErrorOf(Child));
}

TEST(WindowsFolder, OpenChildOpensOrCreatesAFolderAndRefusesAFile)
{
	FTempFolder Root;
	std::filesystem::create_directory(Root.Native() / "Orvek");
	WriteFileBytes(Root.Native() / "file", "x");
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const TValueOrError<std::unique_ptr<IPlatformFolder>, FString> Existing = Opened->OpenChild(FString(TEXT("Orvek")), false, nullptr);
	ASSERT_TRUE(Existing.HasValue()) << Utf8(ErrorOf(Existing));
	EXPECT_EQ(Existing.GetValue()->GetPath(), Root.Path(u"Orvek"));

	const FString MissingError = ErrorOf(Opened->OpenChild(FString(TEXT("Config")), false, nullptr));
	EXPECT_TRUE(Contains(MissingError, Root.Path(u"Config").View())) << Utf8(MissingError);
	EXPECT_FALSE(std::filesystem::exists(Root.Native() / "Config"));

	const TValueOrError<std::unique_ptr<IPlatformFolder>, FString> Created = Existing.GetValue()->OpenChild(FString(TEXT("Config")), true, Opened.get());
	ASSERT_TRUE(Created.HasValue()) << Utf8(ErrorOf(Created));
	EXPECT_TRUE(std::filesystem::is_directory(Root.Native() / "Orvek" / "Config"));

	const FString FileError = ErrorOf(Opened->OpenChild(FString(TEXT("file")), true, nullptr));
	EXPECT_TRUE(Contains(FileError, Root.Path(u"file").View())) << Utf8(FileError);
	EXPECT_TRUE(Contains(FileError, u"it is a file, not a folder")) << Utf8(FileError);
}

TEST(WindowsFolder, AnOpenFolderAndTheFoldersAboveItCannotBeRenamed)
{
	FTempFolder Root;
	std::filesystem::create_directories(Root.Native() / "Orvek" / "Config");
	const auto Rename = [&Root](const char* From, const char* To)
	{ return ::MoveFileW((Root.Native() / From).wstring().c_str(), (Root.Native() / To).wstring().c_str()) != FALSE; };
	{
		std::unique_ptr<IPlatformFolder> Config;
		{
			const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
			ASSERT_NE(Opened, nullptr);
			const TValueOrError<std::unique_ptr<IPlatformFolder>, FString> Orvek = Opened->OpenChild(FString(TEXT("Orvek")), false, nullptr);
			ASSERT_TRUE(Orvek.HasValue()) << Utf8(ErrorOf(Orvek));
			TValueOrError<std::unique_ptr<IPlatformFolder>, FString> OpenedConfig = Orvek.GetValue()->OpenChild(FString(TEXT("Config")), false, nullptr);
			ASSERT_TRUE(OpenedConfig.HasValue()) << Utf8(ErrorOf(OpenedConfig));
			Config = OpenedConfig.StealValue();
		}
		// Only the deepest folder object is left; it holds the ones above it.
		EXPECT_FALSE(Rename("Orvek/Config", "Orvek/Moved"));
		EXPECT_FALSE(Rename("Orvek", "Moved"));
	}
	EXPECT_TRUE(Rename("Orvek", "Moved"));
}

TEST(WindowsFolder, NamesThatAreNotOneEntryAreRefused)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "OHeadSetConfig.json", "x");
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	struct FCase
	{
		const char* Description;
		const TCHAR* Name;
	};
	const FCase Cases[] = {
		{"empty", TEXT("")},
		{"this folder", TEXT(".")},
		{"the folder above", TEXT("..")},
		{"a path with a backslash", TEXT("..\\OHeadSetConfig.json")},
		{"a path with a slash", TEXT("Config/OHeadSetConfig.json")},
		{"a drive", TEXT("C:")},
		{"a data stream of the file", TEXT("OHeadSetConfig.json:Stream")},
		{"a wildcard matching the file", TEXT("OHeadSet*")},
		{"a trailing dot that Windows strips", TEXT("OHeadSetConfig.json.")},
		{"a trailing space that Windows strips", TEXT("OHeadSetConfig.json ")},
	};
	for (const FCase& Case : Cases)
	{
		const FString Name(Case.Name);
		const FString Error = ErrorOf(Opened->OpenChild(Name, true, nullptr));
		EXPECT_TRUE(Contains(Error, u"not that of one entry")) << Case.Description << ": " << Utf8(Error);
		EXPECT_TRUE(Opened->LoadFile(Name).HasError()) << Case.Description;
		EXPECT_TRUE(Opened->CreateNew(Name, nullptr).HasError()) << Case.Description;
		EXPECT_TRUE(Opened->Replace(Settings, Name).HasError()) << Case.Description;
		EXPECT_EQ(Opened->Stat(Name).Kind, EFileEntryKind::Other) << Case.Description;
	}
	EXPECT_EQ(ReadFileBytes(Root.Native() / "OHeadSetConfig.json"), "x");
	EXPECT_EQ(Root.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(WindowsFolder, StatTellsWhatIsThereWithoutFollowingLinks)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "file", "x");
	WriteFileBytes(Root.Native() / "read-only", "x");
	const FScopedReadOnly ReadOnly(Root.Native() / "read-only");
	WriteFileBytes(Root.Native() / "hidden", "x");
	SetAttributes(Root.Native() / "hidden", FILE_ATTRIBUTE_HIDDEN);
	std::filesystem::create_directory(Root.Native() / "folder");
	const FTestLink FolderLink(Root.Native() / "folder", Root.Native() / "folder-link", true);
	const FTestLink FileLink(Root.Native() / "file", Root.Native() / "file-link", false);
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);

	struct FCase
	{
		const char* Description;
		const TCHAR* Name;
		EFileEntryKind Kind;
		bool bWritable;
		const std::string* WhyNoLink;
	};
	const FCase Cases[] = {
		{"nothing there", TEXT("missing"), EFileEntryKind::Missing, false, nullptr},
		{"a file", TEXT("file"), EFileEntryKind::File, true, nullptr},
		{"a file marked read-only", TEXT("read-only"), EFileEntryKind::File, false, nullptr},
		{"a hidden file", TEXT("hidden"), EFileEntryKind::File, true, nullptr},
		{"a folder", TEXT("folder"), EFileEntryKind::Folder, false, nullptr},
		{"a link to a folder", TEXT("folder-link"), EFileEntryKind::Link, false, &FolderLink.WhyNotMade()},
		{"a link to a file", TEXT("file-link"), EFileEntryKind::Link, false, &FileLink.WhyNotMade()},
	};
	for (const FCase& Case : Cases)
	{
		if (Case.WhyNoLink != nullptr && !Case.WhyNoLink->empty())
		{
			std::cout << "not checked, " << Case.Description << ": " << *Case.WhyNoLink << "\n";
			continue;
		}
		const FFileEntryStatus Status = Opened->Stat(FString(Case.Name));
		EXPECT_EQ(Status.Kind, Case.Kind) << Case.Description;
		EXPECT_EQ(Status.bWritable, Case.bWritable) << Case.Description;
	}
}

TEST(WindowsFolder, StatGivesTheLastWriteTime)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "file", "x");
	AgeFile(Root.Native() / "file", 1000);
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const int64 Age = NowInUnixSeconds() - Opened->Stat(FString(TEXT("file"))).ModifiedSeconds;
	EXPECT_GE(Age, 1000);
	EXPECT_LT(Age, 1100);
}

TEST(WindowsFolder, ListNamesGivesEveryEntryButTheDotNames)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "b.json", "x");
	std::filesystem::create_directory(Root.Native() / "a");
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const TValueOrError<TArray<FString>, FString> Names = Opened->ListNames();
	ASSERT_TRUE(Names.HasValue()) << Utf8(ErrorOf(Names));
	std::vector<std::u16string> Listed;
	for (const FString& Name : Names.GetValue())
	{
		Listed.push_back(Name.GetStdString());
	}
	std::sort(Listed.begin(), Listed.end());
	EXPECT_EQ(Listed, (std::vector<std::u16string>{u"a", u"b.json"}));
}

TEST(WindowsFolder, LoadFileReadsEveryByte)
{
	FTempFolder Root;
	const std::string Content("{\r\n\0\xff}", 6);
	WriteFileBytes(Root.Native() / "OHeadSetConfig.json", Content);
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const TValueOrError<TArray<uint8>, FString> Bytes = Opened->LoadFile(Settings);
	ASSERT_TRUE(Bytes.HasValue()) << Utf8(ErrorOf(Bytes));
	EXPECT_EQ(ToString(Bytes.GetValue()), Content);
}

TEST(WindowsFolder, LoadFileMeetsAnotherProgramsHandleAsItsSharingSays)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "OHeadSetConfig.json", "{}");
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	{
		const FHeldFile Reader(Root.Native() / "OHeadSetConfig.json", GENERIC_READ, FILE_SHARE_READ);
		ASSERT_TRUE(Reader.IsValid());
		const TValueOrError<TArray<uint8>, FString> Shared = Opened->LoadFile(Settings);
		EXPECT_TRUE(Shared.HasValue()) << Utf8(ErrorOf(Shared));
	}
	const FHeldFile Locker(Root.Native() / "OHeadSetConfig.json", GENERIC_READ | GENERIC_WRITE, 0);
	ASSERT_TRUE(Locker.IsValid());
	const FString Error = ErrorOf(Opened->LoadFile(Settings));
	EXPECT_TRUE(Contains(Error, Root.Path(u"OHeadSetConfig.json").View())) << Utf8(Error);
	EXPECT_TRUE(Contains(Error, SharingViolation)) << Utf8(Error);
}

TEST(WindowsFolder, LoadFileRefusesAFolderAndALink)
{
	FTempFolder Root;
	std::filesystem::create_directory(Root.Native() / "folder");
	WriteFileBytes(Root.Native() / "elsewhere.json", "{\"SubjectName\": \"planted\"}");
	const FTestLink Link(Root.Native() / "elsewhere.json", Root.Native() / "OHeadSetConfig.json", false);
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const FString FolderError = ErrorOf(Opened->LoadFile(FString(TEXT("folder"))));
	EXPECT_TRUE(Contains(FolderError, u"it is a folder, not a file")) << Utf8(FolderError);
	if (!Link.WhyNotMade().empty())
	{
		GTEST_SKIP() << Link.WhyNotMade();
	}
	const FString LinkError = ErrorOf(Opened->LoadFile(Settings));
	EXPECT_TRUE(Contains(LinkError, Root.Path(u"OHeadSetConfig.json").View())) << Utf8(LinkError);
	EXPECT_TRUE(Contains(LinkError, LinkRefused)) << Utf8(LinkError);
}

TEST(WindowsFolder, CreateNewRefusesAnythingAlreadyThere)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "OHeadSetConfig.json", "old");
	std::filesystem::create_directory(Root.Native() / "folder");
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	for (const TCHAR* Name : {TEXT("OHeadSetConfig.json"), TEXT("folder")})
	{
		const FString Error = ErrorOf(Opened->CreateNew(FString(Name), nullptr));
		EXPECT_FALSE(Error.IsEmpty()) << Utf8(FString(Name));
		EXPECT_TRUE(Contains(Error, Root.Path(FString(Name).View()).View())) << Utf8(Error);
	}
	EXPECT_EQ(ReadFileBytes(Root.Native() / "OHeadSetConfig.json"), "old");
}

TEST(WindowsFolder, AFileBeingWrittenCannotBeOpenedOrDeletedByAnotherProgram)
{
	FTempFolder Root;
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const TValueOrError<std::unique_ptr<IPlatformFileWriter>, FString> Writer = Opened->CreateNew(Temporary, nullptr);
	ASSERT_TRUE(Writer.HasValue()) << Utf8(ErrorOf(Writer));
	const std::filesystem::path Native = Root.Native() / "OHeadSetConfig.json.0123456789abcdef.tmp";
	EXPECT_FALSE(::DeleteFileW(Native.wstring().c_str()));
	EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
	EXPECT_FALSE(FHeldFile(Native, GENERIC_READ, ShareAll).IsValid());
	const TValueOrError<void, FString> Closed = Writer.GetValue()->Close();
	ASSERT_TRUE(Closed.HasValue()) << Utf8(ErrorOf(Closed));
	EXPECT_TRUE(::DeleteFileW(Native.wstring().c_str()));
}

TEST(WindowsFolder, CreateNewWithAModelIsNoMoreOpenThanTheModel)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "OHeadSetConfig.json", "old");
	SetAccessControl(Root.Native() / "OHeadSetConfig.json", OwnerOnlyAccessControl());
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const TValueOrError<void, FString> Written = WriteNew(*Opened, Temporary, "new", &Settings);
	ASSERT_TRUE(Written.HasValue()) << Utf8(ErrorOf(Written));
	EXPECT_EQ(AccessControlText(Root.Native() / "OHeadSetConfig.json.0123456789abcdef.tmp"), AccessControlText(Root.Native() / "OHeadSetConfig.json"));
	EXPECT_EQ(AccessControlText(Root.Native() / "OHeadSetConfig.json").find(L";;;WD)"), std::wstring::npos)
		<< "everyone still has access: " << Utf8(FString(StringConv::FromWide(AccessControlText(Root.Native() / "OHeadSetConfig.json"))));
}

TEST(WindowsFolder, RemoveAbandonedTakesOnlyOldFilesNobodyHolds)
{
	struct FCase
	{
		const char* Description;
		int64 AgeSeconds;
		bool bHeldByWriter;
		bool bFolder;
		bool bRemoved;
	};
	const int64 Old = IPlatformFolder::AbandonedAfterSeconds + 5;
	const FCase Cases[] = {
		{"a fresh leftover", 0, false, false, false},
		{"a leftover just under the age", IPlatformFolder::AbandonedAfterSeconds - 5, false, false, false},
		{"an old leftover", Old, false, false, true},
		{"an old file a writer still holds", Old, true, false, false},
		{"an old folder", Old, false, true, false},
	};
	for (const FCase& Case : Cases)
	{
		FTempFolder Root;
		const std::filesystem::path Native = Root.Native() / "OHeadSetConfig.json.0123456789abcdef.tmp";
		const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
		ASSERT_NE(Opened, nullptr);
		std::unique_ptr<IPlatformFileWriter> Writer;
		if (Case.bFolder)
		{
			std::filesystem::create_directory(Native);
		}
		else if (Case.bHeldByWriter)
		{
			TValueOrError<std::unique_ptr<IPlatformFileWriter>, FString> Created = Opened->CreateNew(Temporary, nullptr);
			ASSERT_TRUE(Created.HasValue()) << Utf8(ErrorOf(Created));
			Writer = Created.StealValue();
		}
		else
		{
			WriteFileBytes(Native, "torn");
		}
		AgeFile(Native, Case.AgeSeconds);
		EXPECT_EQ(Opened->RemoveAbandoned(Temporary), Case.bRemoved) << Case.Description;
		EXPECT_EQ(std::filesystem::exists(Native), !Case.bRemoved) << Case.Description;
	}
	FTempFolder Empty;
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Empty.Path());
	ASSERT_NE(Opened, nullptr);
	EXPECT_FALSE(Opened->RemoveAbandoned(Temporary));
}

TEST(WindowsFolder, KeepCopyKeepsBytesAttributesAndAccessAndReplacesAnOlderCopy)
{
	FTempFolder Root;
	const std::string Content("{\"SubjectName\": \"Handmade\", }\r\n\0", 33);
	WriteFileBytes(Root.Native() / "OHeadSetConfig.json", Content);
	SetAccessControl(Root.Native() / "OHeadSetConfig.json", OwnerOnlyAccessControl());
	SetAttributes(Root.Native() / "OHeadSetConfig.json", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
	WriteFileBytes(Root.Native() / "OHeadSetConfig.json.bak", "an older copy");
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const TValueOrError<void, FString> Copied = Opened->KeepCopy(Settings, Backup);
	ASSERT_TRUE(Copied.HasValue()) << Utf8(ErrorOf(Copied));
	EXPECT_EQ(ReadFileBytes(Root.Native() / "OHeadSetConfig.json.bak"), Content);
	EXPECT_EQ(ReadFileBytes(Root.Native() / "OHeadSetConfig.json"), Content);
	const DWORD Kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
	EXPECT_EQ(Attributes(Root.Native() / "OHeadSetConfig.json.bak") & Kept, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
	EXPECT_EQ(AccessControlText(Root.Native() / "OHeadSetConfig.json.bak"), AccessControlText(Root.Native() / "OHeadSetConfig.json"));
	EXPECT_EQ(Root.Names(), (std::vector<std::u16string>{u"OHeadSetConfig.json", u"OHeadSetConfig.json.bak"}));
}

TEST(WindowsFolder, KeepCopyRefusesAReadOnlyOlderCopyAndALinkedFile)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "OHeadSetConfig.json", "current");
	WriteFileBytes(Root.Native() / "OHeadSetConfig.json.bak", "an older copy");
	const FScopedReadOnly ReadOnly(Root.Native() / "OHeadSetConfig.json.bak");
	WriteFileBytes(Root.Native() / "elsewhere.json", "not ours");
	const FTestLink Link(Root.Native() / "elsewhere.json", Root.Native() / "linked.json", false);
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const FString Error = ErrorOf(Opened->KeepCopy(Settings, Backup));
	EXPECT_TRUE(Contains(Error, Root.Path(u"OHeadSetConfig.json.bak").View())) << Utf8(Error);
	EXPECT_TRUE(Contains(Error, u"read-only")) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(Root.Native() / "OHeadSetConfig.json.bak"), "an older copy");
	if (!Link.WhyNotMade().empty())
	{
		GTEST_SKIP() << Link.WhyNotMade();
	}
	const FString LinkError = ErrorOf(Opened->KeepCopy(FString(TEXT("linked.json")), FString(TEXT("linked.json.bak"))));
	EXPECT_TRUE(Contains(LinkError, LinkRefused)) << Utf8(LinkError);
	EXPECT_FALSE(std::filesystem::exists(Root.Native() / "linked.json.bak"));
	EXPECT_EQ(Root.Names().size(), 4u);
}

TEST(WindowsFolder, ReplaceMovesTheNewFileInWhenNoneWasThere)
{
	FTempFolder Root;
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const TValueOrError<void, FString> Written = WriteNew(*Opened, Temporary, "new", nullptr);
	ASSERT_TRUE(Written.HasValue()) << Utf8(ErrorOf(Written));
	const TValueOrError<void, FString> Replaced = Opened->Replace(Temporary, Settings);
	ASSERT_TRUE(Replaced.HasValue()) << Utf8(ErrorOf(Replaced));
	EXPECT_EQ(ReadFileBytes(Root.Native() / "OHeadSetConfig.json"), "new");
	EXPECT_EQ(Root.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(WindowsFolder, ReplaceKeepsTheOldFilesAttributesAndAccess)
{
	FTempFolder Root;
	const std::filesystem::path Native = Root.Native() / "OHeadSetConfig.json";
	WriteFileBytes(Native, "old");
	SetAccessControl(Native, OwnerOnlyAccessControl());
	SetAttributes(Native, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
	const std::wstring OldAccess = AccessControlText(Native);
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	// No model: what the replace keeps, it keeps by itself.
	const TValueOrError<void, FString> Written = WriteNew(*Opened, Temporary, "new", nullptr);
	ASSERT_TRUE(Written.HasValue()) << Utf8(ErrorOf(Written));
	const TValueOrError<void, FString> Replaced = Opened->Replace(Temporary, Settings);
	ASSERT_TRUE(Replaced.HasValue()) << Utf8(ErrorOf(Replaced));
	EXPECT_EQ(ReadFileBytes(Native), "new");
	EXPECT_EQ(Attributes(Native) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY),
		static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE));
	EXPECT_EQ(AccessControlText(Native), OldAccess);
	EXPECT_EQ(Root.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(WindowsFolder, ReplaceLeavesAReadOnlyOrLockedFileWhole)
{
	struct FCase
	{
		const char* Description;
		bool bReadOnly;
		DWORD LockSharing;
		std::u16string_view Reason;
	};
	const FCase Cases[] = {
		{"marked read-only", true, ShareAll, u"the file is marked read-only"},
		{"held open by another program without sharing", false, 0, SharingViolation},
		{"held open by another program that shares reading only", false, FILE_SHARE_READ, SharingViolation},
	};
	for (const FCase& Case : Cases)
	{
		FTempFolder Root;
		const std::filesystem::path Native = Root.Native() / "OHeadSetConfig.json";
		WriteFileBytes(Native, "old");
		std::optional<FScopedReadOnly> ReadOnly;
		if (Case.bReadOnly)
		{
			ReadOnly.emplace(Native);
		}
		const DWORD AttributesBefore = Attributes(Native);
		const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
		ASSERT_NE(Opened, nullptr);
		const TValueOrError<void, FString> Written = WriteNew(*Opened, Temporary, "new", nullptr);
		ASSERT_TRUE(Written.HasValue()) << Utf8(ErrorOf(Written));
		FHeldFile Locker(Native, GENERIC_READ, Case.LockSharing);
		ASSERT_TRUE(Locker.IsValid()) << Case.Description;

		const FString Error = ErrorOf(Opened->Replace(Temporary, Settings));
		EXPECT_FALSE(Error.IsEmpty()) << Case.Description;
		EXPECT_TRUE(Contains(Error, Root.Path(u"OHeadSetConfig.json").View())) << Case.Description << ": " << Utf8(Error);
		EXPECT_TRUE(Contains(Error, Case.Reason)) << Case.Description << ": " << Utf8(Error);
		Locker.Close();
		EXPECT_EQ(ReadFileBytes(Native), "old") << Case.Description;
		EXPECT_EQ(Attributes(Native), AttributesBefore) << Case.Description;
		EXPECT_EQ(ReadFileBytes(Root.Native() / "OHeadSetConfig.json.0123456789abcdef.tmp"), "new") << Case.Description;
	}
}

TEST(WindowsFolder, ReplaceReplacesALinkItselfAndLeavesWhatItPointsTo)
{
	FTempFolder Root;
	WriteFileBytes(Root.Native() / "victim.json", "precious");
	const FTestLink Link(Root.Native() / "victim.json", Root.Native() / "OHeadSetConfig.json", false);
	if (!Link.WhyNotMade().empty())
	{
		GTEST_SKIP() << Link.WhyNotMade();
	}
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	const TValueOrError<void, FString> Written = WriteNew(*Opened, Temporary, "new", nullptr);
	ASSERT_TRUE(Written.HasValue()) << Utf8(ErrorOf(Written));
	const TValueOrError<void, FString> Replaced = Opened->Replace(Temporary, Settings);
	ASSERT_TRUE(Replaced.HasValue()) << Utf8(ErrorOf(Replaced));
	EXPECT_EQ(ReadFileBytes(Root.Native() / "victim.json"), "precious");
	EXPECT_EQ(Opened->Stat(Settings).Kind, EFileEntryKind::File);
	EXPECT_EQ(ReadFileBytes(Root.Native() / "OHeadSetConfig.json"), "new");
}

TEST(WindowsFolder, AFolderLinkBelowTheOpenedFolderIsRefusedByName)
{
	FTempFolder Root;
	std::filesystem::create_directories(Root.Native() / "Elsewhere" / "Config");
	std::filesystem::create_directory(Root.Native() / "Documents");
	const FTestLink Link(Root.Native() / "Elsewhere", Root.Native() / "Documents" / "Orvek", true);
	if (!Link.WhyNotMade().empty())
	{
		GTEST_SKIP() << Link.WhyNotMade();
	}
	const std::unique_ptr<IPlatformFolder> Documents = OpenOrFail(Root.Path(u"Documents"));
	ASSERT_NE(Documents, nullptr);
	EXPECT_EQ(Documents->Stat(FString(TEXT("Orvek"))).Kind, EFileEntryKind::Link);
	for (const bool bCreate : {false, true})
	{
		const FString Error = ErrorOf(Documents->OpenChild(FString(TEXT("Orvek")), bCreate, nullptr));
		EXPECT_TRUE(Contains(Error, Root.Path(u"Documents/Orvek").View())) << Utf8(Error);
		EXPECT_TRUE(Contains(Error, LinkRefused)) << Utf8(Error);
	}
	EXPECT_EQ(Root.Names(u"Elsewhere"), std::vector<std::u16string>{u"Config"});
}

TEST(WindowsFolder, RemoveAbandonedAndDeleteLeaveWhatALinkPointsTo)
{
	FTempFolder Root;
	const std::filesystem::path Victim = Root.Native() / "victim.json";
	WriteFileBytes(Victim, "precious");
	AgeFile(Victim, 2 * IPlatformFolder::AbandonedAfterSeconds);
	const FTestLink Link(Victim, Root.Native() / "OHeadSetConfig.json.0123456789abcdef.tmp", false);
	if (!Link.WhyNotMade().empty())
	{
		GTEST_SKIP() << Link.WhyNotMade();
	}
	const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Root.Path());
	ASSERT_NE(Opened, nullptr);
	EXPECT_FALSE(Opened->RemoveAbandoned(Temporary));
	const FString Error = ErrorOf(Opened->Delete(Temporary));
	EXPECT_TRUE(Contains(Error, LinkRefused)) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(Victim), "precious");
}

TEST(WindowsFolder, PathsInMessagesKeepTheSeparatorsTheFolderWasOpenedWith)
{
	FTempFolder Root;
	std::filesystem::create_directory(Root.Native() / "Orvek");
	const FString Forward = Root.Path();
	FString Backward = Forward;
	for (int32 Index = 0; Index < Backward.Len(); ++Index)
	{
		Backward[Index] = Backward[Index] == TEXT('/') ? TEXT('\\') : Backward[Index];
	}
	struct FCase
	{
		const char* Description;
		FString OpenedPath;
		FString ChildPath;
	};
	const FCase Cases[] = {
		{"forward slashes", Forward, Forward + TEXT("/Orvek")},
		{"backslashes", Backward, Backward + TEXT("\\Orvek")},
		{"a closing separator", Forward + TEXT("/"), Forward + TEXT("/Orvek")},
	};
	for (const FCase& Case : Cases)
	{
		const std::unique_ptr<IPlatformFolder> Opened = OpenOrFail(Case.OpenedPath);
		ASSERT_NE(Opened, nullptr) << Case.Description;
		EXPECT_EQ(Opened->GetPath(), Case.OpenedPath) << Case.Description;
		const TValueOrError<std::unique_ptr<IPlatformFolder>, FString> Child = Opened->OpenChild(FString(TEXT("Orvek")), false, nullptr);
		ASSERT_TRUE(Child.HasValue()) << Case.Description << ": " << Utf8(ErrorOf(Child));
		EXPECT_EQ(Child.GetValue()->GetPath(), Case.ChildPath) << Case.Description;
	}
}
