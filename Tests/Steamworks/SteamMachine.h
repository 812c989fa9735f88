// A fresh stand-in machine for one Steam test: a copy of Samples/machine in a temporary folder
// (LEVELWRIGHT_MACHINE points at it), a temporary working folder holding steam_appid.txt, and
// steam_api64.dll loaded from the build's engine folder, as the engine loads it before calling Steam.
#pragma once

#include "Standin/Machine.h"
#include "steam/steam_api.h"

#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <unistd.h>

class SteamMachineTest : public ::testing::Test
{
protected:
	using Json = nlohmann::ordered_json;
	static constexpr AppId_t DrovikAppId = 731904;

	// The DLL the build staged in its engine folder (Engine/Binaries/Win64 up one).
	static std::filesystem::path BuiltSteamDll()
	{
		return std::filesystem::path(LEVELWRIGHT_BINARIES_DIR).parent_path() / "ThirdParty" / "Steamworks" / "Steamv139" /
			   "Win64" / "steam_api64.dll";
	}

	void SetUp() override
	{
		ASSERT_NE(::dlopen(BuiltSteamDll().c_str(), RTLD_NOW | RTLD_LOCAL), nullptr) << ::dlerror();
		std::string Pattern = (std::filesystem::temp_directory_path() / "levelwright-steam-XXXXXX").string();
		ASSERT_NE(::mkdtemp(Pattern.data()), nullptr);
		Temp = Pattern;
		Machine = Temp / "machine";
		std::filesystem::copy(std::filesystem::path(LEVELWRIGHT_SOURCE_DIR) / "Samples" / "machine", Machine,
							  std::filesystem::copy_options::recursive);
		Standin::Machine::SetRoot(Machine);
		Work = Temp / "work";
		std::filesystem::create_directories(Work);
		WriteText(Work / "steam_appid.txt", "731904");
		PreviousWorkingFolder = std::filesystem::current_path();
		std::filesystem::current_path(Work);
	}

	void TearDown() override
	{
		SteamAPI_Shutdown();
		std::filesystem::current_path(PreviousWorkingFolder);
		std::error_code Ignored;
		std::filesystem::remove_all(Temp, Ignored);
	}

	static void WriteText(const std::filesystem::path& Path, const std::string& Text)
	{
		std::filesystem::create_directories(Path.parent_path());
		std::ofstream(Path, std::ios::binary) << Text;
	}

	static std::string ReadText(const std::filesystem::path& Path)
	{
		std::ifstream Stream(Path, std::ios::binary);
		return std::string((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
	}

	std::filesystem::path ClientFile() const { return Machine / "steam" / "client.json"; }

	// Sets keys of client.json, keeping the others.
	void SetClient(const Json& Changes)
	{
		Json Client = Json::parse(ReadText(ClientFile()));
		Client.update(Changes);
		WriteText(ClientFile(), Client.dump(4));
	}

	std::filesystem::path ItemFolder(PublishedFileId_t Id) const
	{
		return Machine / "steam" / "workshop" / "731904" / std::to_string(Id);
	}

	Json ReadItem(PublishedFileId_t Id) const { return Json::parse(ReadText(ItemFolder(Id) / "item.json")); }

	static void Pump(int Frames = 1)
	{
		for (int I = 0; I < Frames; ++I)
		{
			SteamAPI_RunCallbacks();
		}
	}

	void StartSteam()
	{
		ASSERT_TRUE(SteamAPI_Init());
		ASSERT_NE(SteamUGC(), nullptr);
	}

	std::filesystem::path Temp;
	std::filesystem::path Machine;
	std::filesystem::path Work;
	std::filesystem::path PreviousWorkingFolder;
};

// Owner of call-result holders that records what it was handed.
struct ResultRecorder
{
	int CreateCalls = 0;
	int SubmitCalls = 0;
	bool bLastIoFailure = false;
	CreateItemResult_t LastCreate{};
	SubmitItemUpdateResult_t LastSubmit{};

	void OnCreate(CreateItemResult_t* Data, bool bIOFailure)
	{
		++CreateCalls;
		bLastIoFailure = bIOFailure;
		LastCreate = *Data;
	}

	void OnSubmit(SubmitItemUpdateResult_t* Data, bool bIOFailure)
	{
		++SubmitCalls;
		bLastIoFailure = bIOFailure;
		LastSubmit = *Data;
	}
};
