#include "ClientConfig.h"

#include "Files.h"
#include "Standin/Machine.h"

#include <algorithm>
#include <mutex>
#include <nlohmann/json.hpp>

namespace SteamStandin
{
namespace
{
using Json = nlohmann::ordered_json;

std::filesystem::path ClientFile()
{
	const std::filesystem::path Folder = SteamFolder();
	return Folder.empty() ? Folder : Folder / "client.json";
}

bool ReadJson(Json& Out, std::string& Error)
{
	const std::filesystem::path File = ClientFile();
	if (File.empty())
	{
		Error = "no stand-in machine (LEVELWRIGHT_MACHINE is not set), so no Steam client";
		return false;
	}
	const std::optional<std::string> Text = ReadWholeFile(File);
	if (!Text)
	{
		Error = "the Steam client is not installed (" + File.string() + " is missing)";
		return false;
	}
	Out = Json::parse(*Text, nullptr, false);
	if (Out.is_discarded() || !Out.is_object())
	{
		Error = File.string() + " is not a JSON object";
		return false;
	}
	return true;
}

bool ParseFault(const std::string& Operation, const Json& Value, Fault& Out, std::string& Error)
{
	if (Value == "refuse")
	{
		Out.Kind = Fault::EKind::Refuse;
	}
	else if (Value == "ioFailure")
	{
		Out.Kind = Fault::EKind::IoFailure;
	}
	else if (Value.is_number_integer() && Value.get<std::int64_t>() > 0 && Value.get<std::int64_t>() < 1000)
	{
		Out.Kind = Fault::EKind::Result;
		Out.Code = Value.get<int>();
	}
	else
	{
		Error = "client.json: fault \"" + Operation + "\" must be \"refuse\", \"ioFailure\" or a result code, not " +
				Value.dump();
		return false;
	}
	return true;
}

template <class T>
bool ReadKey(const Json& Object, const char* Name, T& Out, std::string& Error)
{
	auto It = Object.find(Name);
	if (It == Object.end())
	{
		return true;
	}
	try
	{
		Out = It->get<T>();
		return true;
	}
	catch (const Json::exception&)
	{
		Error = std::string("client.json: \"") + Name + "\" has the wrong type: " + It->dump();
		return false;
	}
}

bool ReadUploadRate(const Json& Object, ClientConfig& Out, std::string& Error)
{
	auto It = Object.find("uploadBytesPerSecond");
	if (It == Object.end())
	{
		return true;
	}
	if (!It->is_number_unsigned() || It->get<std::uint64_t>() == 0)
	{
		Error = "client.json: \"uploadBytesPerSecond\" must be a whole number above 0, not " + It->dump();
		return false;
	}
	Out.UploadBytesPerSecond = It->get<std::uint64_t>();
	return true;
}

bool ReadConfig(const Json& Object, ClientConfig& Out, std::string& Error)
{
	std::uint64_t NextItemId = 0;
	const bool bRead = ReadKey(Object, "running", Out.bRunning, Error) && ReadKey(Object, "user", Out.User, Error) &&
					   ReadKey(Object, "legalAgreementAccepted", Out.bLegalAgreementAccepted, Error) &&
					   ReadKey(Object, "resultDelayFrames", Out.ResultDelayFrames, Error) &&
					   ReadKey(Object, "nextItemId", NextItemId, Error) &&
					   ReadKey(Object, "installPath", Out.InstallPath, Error) &&
					   ReadKey(Object, "withheldInterfaces", Out.WithheldInterfaces, Error) &&
					   ReadUploadRate(Object, Out, Error);
	if (!bRead)
	{
		return false;
	}
	if (NextItemId != 0)
	{
		Out.NextItemId = NextItemId;
	}
	if (Out.ResultDelayFrames < 0)
	{
		Error = "client.json: \"resultDelayFrames\" must not be negative";
		return false;
	}
	auto Faults = Object.find("faults");
	if (Faults == Object.end())
	{
		return true;
	}
	if (!Faults->is_object())
	{
		Error = "client.json: \"faults\" must be an object";
		return false;
	}
	for (const auto& [Operation, Value] : Faults->items())
	{
		if (!ParseFault(Operation, Value, Out.Faults[Operation], Error))
		{
			return false;
		}
	}
	return true;
}

std::mutex WriteMutex;
} // namespace

Fault ClientConfig::FaultFor(std::string_view Operation) const
{
	auto It = Faults.find(Operation);
	return It == Faults.end() ? Fault() : It->second;
}

bool ClientConfig::IsWithheld(std::string_view Version) const
{
	return std::find(WithheldInterfaces.begin(), WithheldInterfaces.end(), Version) != WithheldInterfaces.end();
}

std::filesystem::path SteamFolder()
{
	const std::filesystem::path Root = Standin::Machine::Root();
	return Root.empty() ? Root : Root / "steam";
}

bool LoadClientConfig(ClientConfig& Out, std::string& Error)
{
	Json Object;
	Out = ClientConfig();
	return ReadJson(Object, Error) && ReadConfig(Object, Out, Error);
}

bool StoreNextItemId(std::uint64_t NextItemId, std::string& Error)
{
	std::lock_guard Lock(WriteMutex);
	Json Object;
	if (!ReadJson(Object, Error))
	{
		return false;
	}
	Object["nextItemId"] = NextItemId;
	return WriteFileAtomically(ClientFile(), Object.dump(4) + "\n", Error);
}
} // namespace SteamStandin
