// A fresh stand-in machine for one Steam test: a copy of Samples/machine in a temporary folder
// (LEVELWRIGHT_MACHINE points at it), a temporary working folder holding steam_appid.txt, and
// steam_api64.dll loaded from the build's engine folder, as the engine loads it before calling Steam.
#pragma once

#include "Standin/Machine.h"
#include "TestFiles.h"
#include "steam/steam_api.h"

#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

using LevelwrightTest::ReadFile;
using LevelwrightTest::WriteFile;

class SteamMachineTest : public ::testing::Test
{
protected:
	using Json = nlohmann::ordered_json;
	static constexpr AppId_t DrovikAppId = 731904;

	void SetUp() override
	{
		// The DLL the build staged in its engine folder.
		ASSERT_NE(::dlopen(LevelwrightTest::BuiltSteamDll().c_str(), RTLD_NOW | RTLD_LOCAL), nullptr) << ::dlerror();
		std::filesystem::copy(LevelwrightTest::SourceDir() / "Samples" / "machine", Machine, std::filesystem::copy_options::recursive);
		Standin::Machine::SetRoot(Machine);
		std::filesystem::create_directories(Work);
		WriteFile(Work / "steam_appid.txt", "731904");
		PreviousWorkingFolder = std::filesystem::current_path();
		std::filesystem::current_path(Work);
	}

	void TearDown() override
	{
		SteamAPI_Shutdown();
		std::filesystem::current_path(PreviousWorkingFolder);
	}

	std::filesystem::path ClientFile() const { return Machine / "steam" / "client.json"; }

	// Sets keys of client.json, keeping the others.
	void SetClient(const Json& Changes)
	{
		Json Client = Json::parse(ReadFile(ClientFile()));
		Client.update(Changes);
		WriteFile(ClientFile(), Client.dump(4));
	}

	std::filesystem::path ItemFolder(PublishedFileId_t Id) const
	{
		return Machine / "steam" / "workshop" / "731904" / std::to_string(Id);
	}

	Json ReadItem(PublishedFileId_t Id) const { return Json::parse(ReadFile(ItemFolder(Id) / "item.json")); }

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

	LevelwrightTest::FTempDir Temp;
	const std::filesystem::path Machine = Temp.Path() / "machine";
	const std::filesystem::path Work = Temp.Path() / "work";
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
