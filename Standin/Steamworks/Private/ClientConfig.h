// The simulated Steam client's settings: <machine>/steam/client.json.
//
//   running                 the client runs (SteamAPI_Init fails otherwise)           default true
//   user                    the signed-in account; empty: not signed in (result 21)   default "Player"
//   legalAgreementAccepted  false: Workshop results carry the legal-agreement flag    default true
//   resultDelayFrames       SteamAPI_RunCallbacks calls until a result arrives        default 1
//   faults                  { "<operation>": "refuse" | "ioFailure" | <result code> } default {}
//   nextItemId              the id CreateItem gives next (written back by the client) default 2000000001
//   installPath             the client's folder, instead of the registry's InstallPath
//   withheldInterfaces      interface versions the client does not hand out (tests)   default []
//   uploadBytesPerSecond    the upload rate of a submission (a whole number > 0)       default: as fast as the disk
//
// The file is read afresh for every operation, so a test may change faults between calls.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace SteamStandin
{
struct Fault
{
	enum class EKind
	{
		None,
		Refuse,	   // the call returns 0 (a call handle) or false
		IoFailure, // the result is delivered with bIOFailure set
		Result,	   // the result carries the code in Code
	};
	EKind Kind = EKind::None;
	int Code = 0;
};

struct ClientConfig
{
	bool bRunning = true;
	std::string User = "Player";
	bool bLegalAgreementAccepted = true;
	int ResultDelayFrames = 1;
	std::map<std::string, Fault, std::less<>> Faults;
	std::optional<std::uint64_t> NextItemId;
	std::string InstallPath;
	std::vector<std::string> WithheldInterfaces;
	std::optional<std::uint64_t> UploadBytesPerSecond;

	Fault FaultFor(std::string_view Operation) const;
	bool IsWithheld(std::string_view Version) const;
};

// <machine>/steam, or empty while no machine is set.
std::filesystem::path SteamFolder();

// False, with the reason, when there is no machine, no client.json, or it cannot be read.
bool LoadClientConfig(ClientConfig& Out, std::string& Error);

// Records the next item id in client.json, keeping everything else of the file.
bool StoreNextItemId(std::uint64_t NextItemId, std::string& Error);
} // namespace SteamStandin
