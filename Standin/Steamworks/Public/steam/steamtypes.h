// Basic types of the Steamworks SDK 1.39. The integer names are the engine's as well; both alias the
// <cstdint> types, so the two sets of declarations agree.
#pragma once

#include <cstddef>
#include <cstdint>

typedef std::uint8_t uint8;
typedef std::int8_t int8;
typedef std::int16_t int16;
typedef std::uint16_t uint16;
typedef std::int32_t int32;
typedef std::uint32_t uint32;
typedef std::int64_t int64;
typedef std::uint64_t uint64;
typedef std::intptr_t intp;
typedef std::uintptr_t uintp;

// The library's exported functions. On Windows these are __declspec(dllimport) and __cdecl.
#define S_API extern "C"
#define S_CALLTYPE

typedef uint32 AppId_t;
const AppId_t k_uAppIdInvalid = 0x0;

typedef uint32 DepotId_t;
const DepotId_t k_uDepotIdInvalid = 0x0;

// An asynchronous request: its result arrives later through SteamAPI_RunCallbacks.
typedef uint64 SteamAPICall_t;
const SteamAPICall_t k_uAPICallInvalid = 0x0;

typedef uint32 AccountID_t;

typedef int32 HSteamPipe;
typedef int32 HSteamUser;
