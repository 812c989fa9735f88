#include "CallQueue.h"

#include <algorithm>

namespace SteamStandin
{
CallQueue::Ticket CallQueue::Add(int DelayFrames, CallWork Work, Clock::time_point NotBefore)
{
	std::lock_guard Lock(Mutex);
	Ticket Result{NextHandle++, CurrentFrame + static_cast<std::uint64_t>(std::max(DelayFrames, 1))};
	Call& Entry = Calls[Result.Handle];
	Entry.DueFrame = Result.DueFrame;
	Entry.NotBefore = NotBefore;
	Entry.Work = std::move(Work);
	return Result;
}

void CallQueue::Register(CCallbackBase* Holder, SteamAPICall_t Handle)
{
	std::lock_guard Lock(Mutex);
	auto It = Calls.find(Handle);
	if (It != Calls.end() && !It->second.bAbandoned)
	{
		It->second.Holder = Holder;
	}
}

void CallQueue::Unregister(CCallbackBase* Holder, SteamAPICall_t Handle)
{
	std::lock_guard Lock(Mutex);
	auto It = Calls.find(Handle);
	if (It == Calls.end() || It->second.Holder != Holder)
	{
		return;
	}
	if (It->second.bFinished)
	{
		Calls.erase(It);
		return;
	}
	It->second.Holder = nullptr;
	It->second.bAbandoned = true;
}

void CallQueue::RunFrame()
{
	std::vector<std::pair<SteamAPICall_t, CallWork>> Due;
	const Clock::time_point Now = Clock::now();
	{
		std::lock_guard Lock(Mutex);
		++CurrentFrame;
		const Clock::time_point PreviousFrameStart = CurrentFrameStart;
		CurrentFrameStart = Now;
		for (auto& [Handle, Entry] : Calls)
		{
			if (!Entry.bFinished && Entry.Work && Entry.DueFrame <= CurrentFrame && PreviousFrameStart >= Entry.NotBefore)
			{
				Due.emplace_back(Handle, std::move(Entry.Work));
				Entry.Work = nullptr;
			}
		}
	}
	// The work touches the Workshop on disk; it runs without the lock so that requests made on other
	// threads meanwhile do not wait for it.
	for (auto& [Handle, Work] : Due)
	{
		CallOutcome Outcome = Work();
		std::lock_guard Lock(Mutex);
		auto It = Calls.find(Handle);
		if (It == Calls.end())
		{
			continue; // cleared by a shutdown meanwhile
		}
		if (It->second.bAbandoned)
		{
			Calls.erase(It);
			continue;
		}
		It->second.Outcome = std::move(Outcome);
		It->second.bFinished = true;
	}
	SteamAPICall_t Handle = k_uAPICallInvalid;
	Call Entry;
	while (TakeDeliverable(Handle, Entry))
	{
		Deliver(Entry.Holder, Handle, Entry.Outcome);
	}
}

// The registration is removed before the handler runs, so the handler may arm its holder again.
bool CallQueue::TakeDeliverable(SteamAPICall_t& Handle, Call& Out)
{
	std::lock_guard Lock(Mutex);
	auto It = std::find_if(Calls.begin(), Calls.end(),
						   [](const auto& Pair) { return Pair.second.bFinished && Pair.second.Holder; });
	if (It == Calls.end())
	{
		return false;
	}
	Handle = It->first;
	Out = std::move(It->second);
	Calls.erase(It);
	return true;
}

// A holder that expects another record (id or size) gets the result as an I/O failure, with a zeroed
// record of its own size, so it never reads a record it does not understand.
void CallQueue::Deliver(CCallbackBase* Holder, SteamAPICall_t Handle, CallOutcome& Outcome)
{
	const int Size = Holder->GetCallbackSizeBytes();
	if (Holder->GetICallback() != Outcome.CallbackId || Size < 0 ||
		static_cast<size_t>(Size) != Outcome.Record.size())
	{
		std::vector<std::uint8_t> Zeroed(static_cast<size_t>(std::max(Size, 1)), 0);
		Holder->Run(Zeroed.data(), true, Handle);
		return;
	}
	Holder->Run(Outcome.Record.data(), Outcome.bIoFailure, Handle);
}

bool CallQueue::HasPending() const
{
	std::lock_guard Lock(Mutex);
	return std::any_of(Calls.begin(), Calls.end(), [](const auto& Pair) {
		return !Pair.second.bFinished || Pair.second.Holder;
	});
}

std::uint64_t CallQueue::Frame() const
{
	std::lock_guard Lock(Mutex);
	return CurrentFrame;
}

void CallQueue::Clear()
{
	std::lock_guard Lock(Mutex);
	Calls.clear();
}
} // namespace SteamStandin
