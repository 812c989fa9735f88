// The record of which thread called which API function (SteamStandin.h): a test can show with it
// that every Steam call ran on the game thread. Distinct {function, thread} pairs with their counts,
// so a long session that pumps every frame keeps a record of a few lines.
#pragma once

namespace SteamStandin
{
// Notes one call of Function (a name that outlives the process, e.g. a literal) on this thread.
void RecordApiCall(const char* Function);
} // namespace SteamStandin
