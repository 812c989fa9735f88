// Asynchronous calls of the simulated client and their delivery to call-result holders.
//
// A call is due a number of SteamAPI_RunCallbacks frames after it was made (at least the next one)
// and, when it waits for an upload, not before a frame that began after the upload's end: the
// upload's end is then seen (GetItemUpdateProgress) before its result arrives.
// When it falls due its work runs (the simulated server does what was asked) and the result record
// it produced is handed to the holder registered for the call. A result that arrives before anybody
// registered for it waits for a registration, as Steam keeps a finished call's result until it is
// fetched; a call whose holder unregistered still does its work, but its result is dropped.
#pragma once

#include "steam/steam_api.h"

#include <chrono>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace SteamStandin
{
struct CallOutcome
{
	int CallbackId = 0;
	std::vector<std::uint8_t> Record;
	bool bIoFailure = false;
};

template <class R>
CallOutcome MakeOutcome(const R& Record, bool bIoFailure = false)
{
	CallOutcome Out;
	Out.CallbackId = R::k_iCallback;
	Out.Record.resize(sizeof(R));
	std::memcpy(Out.Record.data(), &Record, sizeof(R));
	Out.bIoFailure = bIoFailure;
	return Out;
}

using CallWork = std::function<CallOutcome()>;
using Clock = std::chrono::steady_clock;

class CallQueue
{
public:
	struct Ticket
	{
		SteamAPICall_t Handle = k_uAPICallInvalid;
		std::uint64_t DueFrame = 0;
	};

	// NotBefore: the end of the call's upload; the default waits for nothing.
	Ticket Add(int DelayFrames, CallWork Work, Clock::time_point NotBefore = Clock::time_point::min());
	void Register(CCallbackBase* Holder, SteamAPICall_t Handle);
	void Unregister(CCallbackBase* Holder, SteamAPICall_t Handle);

	// One SteamAPI_RunCallbacks: completes the calls that fall due, then delivers every finished
	// result that has a holder, one at a time, outside the lock (a handler may make new calls).
	void RunFrame();

	bool HasPending() const;
	std::uint64_t Frame() const;

	// Forgets every call (SteamAPI_Shutdown); unfinished work never runs.
	void Clear();

private:
	struct Call
	{
		std::uint64_t DueFrame = 0;
		Clock::time_point NotBefore = Clock::time_point::min();
		CallWork Work;
		bool bFinished = false;
		bool bAbandoned = false; // its holder unregistered before the result came
		CallOutcome Outcome;
		CCallbackBase* Holder = nullptr;
	};

	bool TakeDeliverable(SteamAPICall_t& Handle, Call& Out);
	static void Deliver(CCallbackBase* Holder, SteamAPICall_t Handle, CallOutcome& Outcome);

	mutable std::mutex Mutex;
	std::map<SteamAPICall_t, Call> Calls; // ordered by handle, which is the order the calls were made
	std::uint64_t CurrentFrame = 0;
	Clock::time_point CurrentFrameStart = Clock::time_point::min();
	SteamAPICall_t NextHandle = 0x1000000000000001ull;
};
} // namespace SteamStandin
