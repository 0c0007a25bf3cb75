#include "Serialization/BufferReader.h"
#include "Serialization/MemoryWriter.h"

#include <gtest/gtest.h>

TEST(MemoryWriter, AppendsAsANonPersistentSavingStream)
{
	TArray<uint8> Bytes;
	FMemoryWriter Writer(Bytes);
	EXPECT_TRUE(Writer.IsSaving());
	EXPECT_FALSE(Writer.IsLoading());
	EXPECT_FALSE(Writer.IsPersistent());
	EXPECT_EQ(Writer.GetArchiveName(), FString(TEXT("FMemoryWriter")));

	uint8 First[] = {1, 2, 3};
	uint8 Second[] = {4, 5};
	Writer.Serialize(First, 3);
	Writer.Serialize(Second, 2);
	Writer.Serialize(Second, 0);
	EXPECT_EQ(Bytes, (TArray<uint8>{1, 2, 3, 4, 5}));
	EXPECT_EQ(Writer.Tell(), 5);
	EXPECT_EQ(Writer.TotalSize(), 5);
	EXPECT_TRUE(Writer.Close());
}

TEST(MemoryWriter, StartsAtTheEndOnlyWhenAsked)
{
	uint8 Byte = 9;
	TArray<uint8> Appended{7, 7};
	FMemoryWriter(Appended, false, true).Serialize(&Byte, 1);
	EXPECT_EQ(Appended, (TArray<uint8>{7, 7, 9}));

	TArray<uint8> Overwritten{7, 7};
	FMemoryWriter(Overwritten).Serialize(&Byte, 1);
	EXPECT_EQ(Overwritten, (TArray<uint8>{9, 7}));

	TArray<uint8> Named;
	EXPECT_EQ(FMemoryWriter(Named, true, false, FName(TEXT("Save"))).GetArchiveName(), FString(TEXT("Save")));
}

TEST(MemoryWriterDeathTest, StopsBeforeGrowingPastTheLimit)
{
	TArray<uint8> Bytes;
	FMemoryWriter Writer(Bytes);
	uint8 Byte = 0;
	// The size is refused before any byte is copied, so no 2 GB are needed.
	EXPECT_DEATH(Writer.Serialize(&Byte, FMemoryWriter::MaxSize + 1),
		"LogSerialization: Fatal: FMemoryWriter does not support data larger than 2GB\\. Archive name: FMemoryWriter\\.");
}

TEST(BufferReader, ReadsSeeksAndReportsItsEnd)
{
	const uint8 Data[] = {10, 20, 30, 40};
	FBufferReader Reader(Data, 4);
	EXPECT_TRUE(Reader.IsLoading());
	EXPECT_FALSE(Reader.IsSaving());

	uint8 Out[2] = {};
	Reader.Serialize(Out, 2);
	EXPECT_EQ(Out[0], 10);
	EXPECT_EQ(Out[1], 20);
	EXPECT_EQ(Reader.Tell(), 2);
	Reader.Seek(Reader.Tell() - 1);
	Reader.Serialize(Out, 2);
	EXPECT_EQ(Out[0], 20);
	EXPECT_EQ(Out[1], 30);
	EXPECT_FALSE(Reader.AtEnd());
	Reader.Seek(4);
	EXPECT_TRUE(Reader.AtEnd());
	EXPECT_EQ(Reader.TotalSize(), 4);

	FBufferReader Empty(nullptr, 0);
	EXPECT_TRUE(Empty.AtEnd());
	Empty.Serialize(Out, 0);
}

TEST(BufferReaderDeathTest, RefusesReadsAndSeeksOutsideItsBytes)
{
	const uint8 Data[] = {1, 2, 3};
	FBufferReader Reader(Data, 3);
	uint8 Out[4] = {};
	EXPECT_DEATH(Reader.Serialize(Out, 4), "Assertion failed: ReaderPos \\+ Num <= ReaderSize");
	EXPECT_DEATH(Reader.Seek(-1), "Assertion failed: InPos >= 0");
	EXPECT_DEATH(Reader.Seek(4), "Assertion failed: InPos <= ReaderSize");
}
