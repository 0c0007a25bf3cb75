#include "HmdEditor/Windows/ConsoleInputQueue.h"

#include <mutex>

namespace
{
	constexpr DWORD RecordsPerRead = 64;

	struct FQueue
	{
		std::mutex Mutex;
		std::vector<INPUT_RECORD> Records;
		bool bInputGone = false;
		HANDLE Input = INVALID_HANDLE_VALUE;
		HANDLE Thread = nullptr;
		/** Set while the thread may read. */
		HANDLE ReadingAllowed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
		HANDLE Ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
	};

	// The thread may be blocked in a read when the process ends, so the
	// queue is never destroyed: it lives as long as the console does.
	FQueue& GetQueue()
	{
		static FQueue* const Queue = new FQueue;
		return *Queue;
	}

	DWORD WINAPI ReadRecords(void* /*Unused*/)
	{
		FQueue& Queue = GetQueue();
		INPUT_RECORD Records[RecordsPerRead];
		for (;;)
		{
			WaitForSingleObject(Queue.ReadingAllowed, INFINITE);
			DWORD Count = 0;
			const BOOL bRead = ReadConsoleInputW(Queue.Input, Records, RecordsPerRead, &Count);
			const std::lock_guard Lock(Queue.Mutex);
			if (!bRead)
			{
				Queue.bInputGone = true;
				SetEvent(Queue.Ready);
				return 0;
			}
			Queue.Records.insert(Queue.Records.end(), Records, Records + Count);
			if (Count > 0)
			{
				SetEvent(Queue.Ready);
			}
		}
	}
}

bool ConsoleInputQueue::Start(HANDLE Input)
{
	FQueue& Queue = GetQueue();
	const std::lock_guard Lock(Queue.Mutex);
	if (Queue.ReadingAllowed == nullptr || Queue.Ready == nullptr)
	{
		return false;
	}
	if (Queue.Thread == nullptr)
	{
		Queue.Input = Input;
		Queue.Thread = CreateThread(nullptr, 0, &ReadRecords, nullptr, 0, nullptr);
		if (Queue.Thread == nullptr)
		{
			return false;
		}
	}
	SetEvent(Queue.ReadingAllowed);
	return true;
}

void ConsoleInputQueue::Pause()
{
	FQueue& Queue = GetQueue();
	if (Queue.Thread == nullptr)
	{
		return;
	}
	ResetEvent(Queue.ReadingAllowed);
	// A focus record, which the front end ignores, ends the pending read.
	INPUT_RECORD Wake = {};
	Wake.EventType = FOCUS_EVENT;
	DWORD Written = 0;
	WriteConsoleInputW(Queue.Input, &Wake, 1, &Written);
}

HANDLE ConsoleInputQueue::GetReadyEvent()
{
	return GetQueue().Ready;
}

void ConsoleInputQueue::Add(const INPUT_RECORD& Record)
{
	FQueue& Queue = GetQueue();
	const std::lock_guard Lock(Queue.Mutex);
	Queue.Records.push_back(Record);
	SetEvent(Queue.Ready);
}

bool ConsoleInputQueue::Take(std::vector<INPUT_RECORD>& Out)
{
	FQueue& Queue = GetQueue();
	const std::lock_guard Lock(Queue.Mutex);
	Out.clear();
	Out.swap(Queue.Records);
	if (!Queue.bInputGone)
	{
		ResetEvent(Queue.Ready);
	}
	return !Out.empty() || !Queue.bInputGone;
}
