#pragma once

// The stand-in records no stats: every stat id is the empty one.
struct TStatId
{
	bool IsValidStat() const { return false; }
};

#define RETURN_QUICK_DECLARE_CYCLE_STAT(StatId, GroupId) return TStatId();
#define DECLARE_CYCLE_STAT(CounterName, StatId, GroupId)
#define SCOPE_CYCLE_COUNTER(StatId)
#define QUICK_SCOPE_CYCLE_COUNTER(StatId)
