#include "ApiCalls.h"

#include "SteamStandin.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

namespace SteamStandin
{
namespace
{
struct CallerRecord
{
	const char* Function = nullptr;
	uint64 ThreadId = 0;
	uint64 Calls = 0;
};

struct CallRecord
{
	std::mutex Mutex;
	std::vector<CallerRecord> Entries;
};

CallRecord& Record()
{
	static CallRecord Instance;
	return Instance;
}
} // namespace

void RecordApiCall(const char* Function)
{
	const uint64 ThreadId = SteamStandin_ThisThreadId();
	std::lock_guard Lock(Record().Mutex);
	std::vector<CallerRecord>& Entries = Record().Entries;
	auto It = std::find_if(Entries.begin(), Entries.end(), [&](const CallerRecord& Entry) {
		return Entry.ThreadId == ThreadId && std::strcmp(Entry.Function, Function) == 0;
	});
	if (It == Entries.end())
	{
		It = Entries.insert(Entries.end(), CallerRecord{Function, ThreadId, 0});
	}
	++It->Calls;
}
} // namespace SteamStandin

using namespace SteamStandin;

S_API int32 S_CALLTYPE SteamStandin_GetApiCalls(SteamStandin_ApiCall_t* pCalls, int32 nMaxCalls)
{
	std::lock_guard Lock(Record().Mutex);
	const std::vector<CallerRecord>& Entries = Record().Entries;
	const size_t Written = pCalls ? std::min(Entries.size(), static_cast<size_t>(std::max(nMaxCalls, 0))) : 0;
	for (size_t I = 0; I < Written; ++I)
	{
		std::snprintf(pCalls[I].m_szFunction, sizeof(pCalls[I].m_szFunction), "%s", Entries[I].Function);
		pCalls[I].m_ulThreadId = Entries[I].ThreadId;
		pCalls[I].m_ulCalls = Entries[I].Calls;
	}
	return static_cast<int32>(Entries.size());
}

S_API void S_CALLTYPE SteamStandin_ClearApiCalls()
{
	std::lock_guard Lock(Record().Mutex);
	Record().Entries.clear();
}
