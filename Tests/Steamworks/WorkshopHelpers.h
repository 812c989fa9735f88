// Driving the simulated Workshop the way the plugin does: request, arm a holder, pump until done.
#pragma once

#include "SteamMachine.h"

class SteamWorkshopTest : public SteamMachineTest
{
protected:
	static constexpr PublishedFileId_t ArenaId = 2000000001; // the sample machine's item

	// Creates an item and returns the delivered record.
	CreateItemResult_t CreateItem()
	{
		CCallResult<ResultRecorder, CreateItemResult_t> Holder;
		Holder.Set(SteamUGC()->CreateItem(DrovikAppId, k_EWorkshopFileTypeCommunity), &Owner,
				   &ResultRecorder::OnCreate);
		EXPECT_TRUE(Holder.IsActive());
		Pump(3);
		EXPECT_EQ(Owner.CreateCalls, 1);
		return Owner.LastCreate;
	}

	// Submits an update and returns the delivered record (m_eResult -1 when none arrived).
	SubmitItemUpdateResult_t Submit(UGCUpdateHandle_t Update, const char* ChangeNote = "Change")
	{
		CCallResult<ResultRecorder, SubmitItemUpdateResult_t> Holder;
		const int Before = Owner.SubmitCalls;
		Holder.Set(SteamUGC()->SubmitItemUpdate(Update, ChangeNote), &Owner, &ResultRecorder::OnSubmit);
		Pump(3);
		if (Owner.SubmitCalls == Before)
		{
			SubmitItemUpdateResult_t None{};
			None.m_eResult = static_cast<EResult>(-1);
			return None;
		}
		return Owner.LastSubmit;
	}

	UGCUpdateHandle_t StartArenaUpdate() { return SteamUGC()->StartItemUpdate(DrovikAppId, ArenaId); }

	// A content folder as the submit job writes it.
	std::filesystem::path MakeContent(const std::string& Name = "Workshop")
	{
		const std::filesystem::path Folder = Temp.Path() / Name;
		WriteFile(Folder / "WindowsNoEditor.pak", "windows pak");
		WriteFile(Folder / "LinuxServer.pak", "linux pak");
		WriteFile(Folder / "metadata.json", "{ test: 1 }");
		return Folder;
	}

	std::filesystem::path MakeFile(const std::string& Name, size_t Bytes)
	{
		const std::filesystem::path File = Temp.Path() / Name;
		WriteFile(File, std::string(Bytes, 'p'));
		return File;
	}

	// item.json and content/ exactly as they are now, to compare after a failed submission.
	std::string Snapshot(PublishedFileId_t Id) const
	{
		std::string Out = ReadFile(ItemFolder(Id) / "item.json");
		for (const auto& Entry : std::filesystem::recursive_directory_iterator(ItemFolder(Id)))
		{
			Out += "\n" + Entry.path().lexically_relative(ItemFolder(Id)).string();
			if (Entry.is_regular_file())
			{
				Out += "=" + ReadFile(Entry.path());
			}
		}
		return Out;
	}

	bool StagingIsEmpty() const
	{
		const std::filesystem::path Staging = Machine / "steam" / "staging";
		return !std::filesystem::exists(Staging) || std::filesystem::is_empty(Staging);
	}

	ResultRecorder Owner;
};
