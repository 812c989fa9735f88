#include "SteamUgc.h"

#include "ApiCalls.h"
#include "Log.h"
#include "Session.h"
#include "Standin/Machine.h"
#include "Validation.h"

#include <algorithm>
#include <cstring>

namespace SteamStandin
{
namespace
{
// The client answers requests only while the API is up and the client still runs.
bool LoadRunningConfig(std::string_view Operation, ClientConfig& Config)
{
	std::string Error;
	if (!IsInitialised())
	{
		Error = "SteamAPI_Init has not succeeded";
	}
	else if (LoadClientConfig(Config, Error) && !Config.bRunning)
	{
		Error = "the Steam client is not running";
	}
	if (!Error.empty())
	{
		LogWarning(std::string(Operation) + " refused: " + Error);
		return false;
	}
	return true;
}

bool IsRefused(std::string_view Operation, const Fault& Injected)
{
	if (Injected.Kind == Fault::EKind::Refuse)
	{
		LogWarning(std::string(Operation) + " refused (fault \"refuse\")");
		return true;
	}
	return false;
}

// A record without padding garbage; an I/O failure hands over the zeroed record.
template <class R>
R ZeroedRecord()
{
	R Record;
	std::memset(&Record, 0, sizeof(Record));
	return Record;
}

// Checks made when an update is submitted, in the order the Workshop makes them.
EResult CheckSubmission(AppId_t AppId, PublishedFileId_t ItemId, const std::string& ContentFolder,
						const std::string& PreviewFile, const ClientConfig& Config, std::string& Why)
{
	if (Config.User.empty())
	{
		Why = "nobody is signed in to Steam";
		return k_EResultNotLoggedOn;
	}
	if (AppId != RunningAppId())
	{
		Why = "app " + std::to_string(AppId) + " is not the running app " + std::to_string(RunningAppId());
		return k_EResultInvalidParam;
	}
	if (!Workshop::ItemExists(AppId, ItemId))
	{
		Why = "there is no Workshop item " + std::to_string(ItemId);
		return k_EResultFileNotFound;
	}
	const EResult Content = ContentFolder.empty() ? k_EResultOK : CheckContentFolder(ContentFolder, Why);
	return Content != k_EResultOK || PreviewFile.empty() ? Content : CheckPreviewFile(PreviewFile, Why);
}

// Checks of the update's own fields, made after those of the item and its files.
EResult CheckChanges(const ItemChanges& Changes, std::string& Why)
{
	if (Changes.ChangeNote.size() > MaxChangeNoteBytes)
	{
		Why = "the change note is longer than 8000 bytes";
		return k_EResultInvalidParam;
	}
	if (Changes.Title && Changes.Title->empty())
	{
		Why = "the title is empty";
		return k_EResultInvalidParam;
	}
	return k_EResultOK;
}

std::string FaultText(const Fault& Injected)
{
	return Injected.Kind == Fault::EKind::IoFailure ? "an I/O failure" : "result " + std::to_string(Injected.Code);
}
} // namespace

SteamUgc& Ugc()
{
	static SteamUgc Instance;
	return Instance;
}

SteamAPICall_t SteamUgc::CreateItem(AppId_t nConsumerAppId, EWorkshopFileType eFileType)
{
	RecordApiCall("ISteamUGC::CreateItem");
	ClientConfig Config;
	if (!LoadRunningConfig("CreateItem", Config))
	{
		return k_uAPICallInvalid;
	}
	const Fault Injected = Config.FaultFor("CreateItem");
	if (IsRefused("CreateItem", Injected))
	{
		return k_uAPICallInvalid;
	}
	EResult Early = k_EResultOK;
	if (Injected.Kind == Fault::EKind::Result)
	{
		Early = static_cast<EResult>(Injected.Code);
	}
	else if (Config.User.empty())
	{
		Early = k_EResultNotLoggedOn;
	}
	else if (nConsumerAppId != RunningAppId() || eFileType < k_EWorkshopFileTypeFirst ||
			 eFileType >= k_EWorkshopFileTypeMax)
	{
		Early = k_EResultInvalidParam;
	}
	const bool bIoFailure = Injected.Kind == Fault::EKind::IoFailure;
	const bool bLegal = !Config.bLegalAgreementAccepted;
	return Calls()
		.Add(Config.ResultDelayFrames,
			 [=] {
				 CreateItemResult_t Record = ZeroedRecord<CreateItemResult_t>();
				 if (bIoFailure)
				 {
					 LogWarning("CreateItem: delivered as an I/O failure (fault)");
					 return MakeOutcome(Record, true);
				 }
				 Record.m_bUserNeedsToAcceptWorkshopLegalAgreement = bLegal;
				 std::string Error;
				 Record.m_eResult = Early == k_EResultOK
										? Workshop::CreateItem(nConsumerAppId, Record.m_nPublishedFileId, Error)
										: Early;
				 if (Record.m_eResult == k_EResultOK)
				 {
					 Log("Workshop item " + std::to_string(Record.m_nPublishedFileId) + " created");
				 }
				 else
				 {
					 LogWarning("CreateItem failed with result " + std::to_string(Record.m_eResult) +
								(Error.empty() ? std::string() : ": " + Error));
				 }
				 return MakeOutcome(Record);
			 })
		.Handle;
}

UGCUpdateHandle_t SteamUgc::StartItemUpdate(AppId_t nConsumerAppId, PublishedFileId_t nPublishedFileID)
{
	RecordApiCall("ISteamUGC::StartItemUpdate");
	ClientConfig Config;
	if (!LoadRunningConfig("StartItemUpdate", Config) ||
		IsRefused("StartItemUpdate", Config.FaultFor("StartItemUpdate")))
	{
		return k_UGCUpdateHandleInvalid;
	}
	std::lock_guard Lock(Mutex);
	const UGCUpdateHandle_t Handle = NextHandle++;
	Update& Entry = Updates[Handle];
	Entry.AppId = nConsumerAppId;
	Entry.ItemId = nPublishedFileID;
	return Handle;
}

bool SteamUgc::Modify(UGCUpdateHandle_t Handle, std::string_view Operation, const Edit& Apply)
{
	ClientConfig Config;
	if (!LoadRunningConfig(Operation, Config))
	{
		return false;
	}
	const Fault Injected = Config.FaultFor(Operation);
	if (IsRefused(Operation, Injected))
	{
		return false;
	}
	std::lock_guard Lock(Mutex);
	auto It = Updates.find(Handle);
	std::string Why = "unknown or already submitted update handle";
	if (It == Updates.end() || It->second.bSubmitted || !Apply(It->second, Why))
	{
		LogWarning(std::string(Operation) + " refused: " + Why);
		return false;
	}
	if (Injected.Kind != Fault::EKind::None)
	{
		It->second.DeferredFaults.push_back(Injected);
	}
	return true;
}

bool SteamUgc::SetItemTitle(UGCUpdateHandle_t handle, const char* pchTitle)
{
	RecordApiCall("ISteamUGC::SetItemTitle");
	return Modify(handle, "SetItemTitle", [&](Update& Entry, std::string& Why) {
		return CheckText(pchTitle, MaxTitleBytes, "the title", Why) && (Entry.Changes.Title = pchTitle, true);
	});
}

bool SteamUgc::SetItemDescription(UGCUpdateHandle_t handle, const char* pchDescription)
{
	RecordApiCall("ISteamUGC::SetItemDescription");
	return Modify(handle, "SetItemDescription", [&](Update& Entry, std::string& Why) {
		return CheckText(pchDescription, MaxDescriptionBytes, "the description", Why) &&
			   (Entry.Changes.Description = pchDescription, true);
	});
}

bool SteamUgc::SetItemMetadata(UGCUpdateHandle_t handle, const char* pchMetaData)
{
	RecordApiCall("ISteamUGC::SetItemMetadata");
	return Modify(handle, "SetItemMetadata", [&](Update& Entry, std::string& Why) {
		return CheckText(pchMetaData, MaxMetadataBytes, "the metadata", Why) &&
			   (Entry.Changes.Metadata = pchMetaData, true);
	});
}

bool SteamUgc::SetItemVisibility(UGCUpdateHandle_t handle, ERemoteStoragePublishedFileVisibility eVisibility)
{
	RecordApiCall("ISteamUGC::SetItemVisibility");
	return Modify(handle, "SetItemVisibility", [&](Update& Entry, std::string& Why) {
		if (eVisibility < k_ERemoteStoragePublishedFileVisibilityPublic ||
			eVisibility > k_ERemoteStoragePublishedFileVisibilityPrivate)
		{
			Why = "no such visibility " + std::to_string(eVisibility);
			return false;
		}
		Entry.Changes.Visibility = eVisibility;
		return true;
	});
}

bool SteamUgc::SetItemTags(UGCUpdateHandle_t updateHandle, const SteamParamStringArray_t* pTags)
{
	RecordApiCall("ISteamUGC::SetItemTags");
	return Modify(updateHandle, "SetItemTags", [&](Update& Entry, std::string& Why) {
		if (!pTags || pTags->m_nNumStrings < 0 || (pTags->m_nNumStrings > 0 && !pTags->m_ppStrings))
		{
			Why = "the tag list is malformed";
			return false;
		}
		std::vector<std::string> Tags;
		for (int32 I = 0; I < pTags->m_nNumStrings; ++I)
		{
			if (!CheckTag(pTags->m_ppStrings[I], Why))
			{
				return false;
			}
			Tags.emplace_back(pTags->m_ppStrings[I]);
		}
		Entry.Changes.Tags = std::move(Tags);
		return true;
	});
}

bool SteamUgc::SetItemContent(UGCUpdateHandle_t handle, const char* pszContentFolder)
{
	RecordApiCall("ISteamUGC::SetItemContent");
	return Modify(handle, "SetItemContent", [&](Update& Entry, std::string& Why) {
		if (!pszContentFolder || !*pszContentFolder)
		{
			Why = "no content folder given";
			return false;
		}
		Entry.ContentFolder = pszContentFolder;
		return true;
	});
}

bool SteamUgc::SetItemPreview(UGCUpdateHandle_t handle, const char* pszPreviewFile)
{
	RecordApiCall("ISteamUGC::SetItemPreview");
	return Modify(handle, "SetItemPreview", [&](Update& Entry, std::string& Why) {
		if (!pszPreviewFile || !*pszPreviewFile)
		{
			Why = "no preview file given";
			return false;
		}
		Entry.PreviewFile = pszPreviewFile;
		return true;
	});
}

bool SteamUgc::TakeForSubmission(UGCUpdateHandle_t Handle, Update& Out)
{
	std::lock_guard Lock(Mutex);
	auto It = Updates.find(Handle);
	if (It == Updates.end() || It->second.bSubmitted)
	{
		return false;
	}
	It->second.bSubmitted = true;
	Out = It->second;
	return true;
}

void SteamUgc::Forget(UGCUpdateHandle_t Handle)
{
	std::lock_guard Lock(Mutex);
	Updates.erase(Handle);
}

// Everything is checked and copied aside now, on the caller's thread (the upload); the Workshop
// changes only when the result falls due, and only when all of it can land.
SteamAPICall_t SteamUgc::SubmitItemUpdate(UGCUpdateHandle_t handle, const char* pchChangeNote)
{
	RecordApiCall("ISteamUGC::SubmitItemUpdate");
	ClientConfig Config;
	Update Entry;
	if (!LoadRunningConfig("SubmitItemUpdate", Config) ||
		IsRefused("SubmitItemUpdate", Config.FaultFor("SubmitItemUpdate")))
	{
		return k_uAPICallInvalid;
	}
	if (!TakeForSubmission(handle, Entry))
	{
		LogWarning("SubmitItemUpdate refused: unknown or already submitted update handle");
		return k_uAPICallInvalid;
	}
	// Text in another encoding arrives mangled, as it does at Steam.
	Entry.Changes.ChangeNote =
		pchChangeNote ? Standin::Machine::ToUtf8(Standin::Machine::ToUtf16(pchChangeNote)) : std::string();

	Fault Injected = Config.FaultFor("SubmitItemUpdate");
	if (Injected.Kind == Fault::EKind::None && !Entry.DeferredFaults.empty())
	{
		Injected = Entry.DeferredFaults.front();
	}
	std::string Why;
	EResult Result = Injected.Kind == Fault::EKind::Result ? static_cast<EResult>(Injected.Code)
														   : CheckSubmission(Entry.AppId, Entry.ItemId, Entry.ContentFolder,
																			 Entry.PreviewFile, Config, Why);
	if (Result == k_EResultOK)
	{
		Result = CheckChanges(Entry.Changes, Why);
	}
	std::shared_ptr<StagedUpload> Upload;
	if (Result == k_EResultOK && Injected.Kind == Fault::EKind::None &&
		(!Entry.ContentFolder.empty() || !Entry.PreviewFile.empty()))
	{
		Upload = StagedUpload::Create(Why);
		const bool bStaged =
			Upload && (Entry.ContentFolder.empty() ||
					   Upload->CopyContent(Standin::Machine::ToHostPath(Entry.ContentFolder), Why)) &&
			(Entry.PreviewFile.empty() || Upload->CopyPreview(Standin::Machine::ToHostPath(Entry.PreviewFile), Why));
		if (!bStaged)
		{
			Result = k_EResultFail;
			Upload.reset();
		}
	}
	if (Injected.Kind != Fault::EKind::None)
	{
		Why = "fault: " + FaultText(Injected);
	}

	UploadCourse Course;
	Course.SubmitTime = Clock::now();
	Course.ContentBytes = Upload ? Upload->ContentBytes() : 0;
	Course.PreviewBytes = Upload ? Upload->PreviewBytes() : 0;
	Course.BytesPerSecond = Config.UploadBytesPerSecond;

	const bool bIoFailure = Injected.Kind == Fault::EKind::IoFailure;
	const bool bLegal = !Config.bLegalAgreementAccepted;
	const CallQueue::Ticket Ticket = Calls().Add(
		Config.ResultDelayFrames,
		[this, handle, Entry, Upload, Result, Why, bIoFailure, bLegal] {
			SubmitItemUpdateResult_t Record = ZeroedRecord<SubmitItemUpdateResult_t>();
			std::string Summary = Why;
			if (!bIoFailure)
			{
				Record.m_bUserNeedsToAcceptWorkshopLegalAgreement = bLegal;
				Record.m_eResult = Result != k_EResultOK ? Result
														 : Workshop::Commit(Entry.AppId, Entry.ItemId, Entry.Changes,
																			Upload.get(), Summary);
			}
			Forget(handle);
			const std::string Item = "Workshop item " + std::to_string(Entry.ItemId);
			if (!bIoFailure && Record.m_eResult == k_EResultOK)
			{
				Log(Item + " updated: " + Summary);
			}
			else
			{
				LogWarning(Item + " not updated (result " + std::to_string(Record.m_eResult) + "): " + Summary);
			}
			return MakeOutcome(Record, bIoFailure);
		},
		Course.UploadEnd());
	Course.DueFrame = Ticket.DueFrame;
	Course.SubmitFrame = Ticket.DueFrame - static_cast<std::uint64_t>(std::max(Config.ResultDelayFrames, 1));
	std::lock_guard Lock(Mutex);
	auto It = Updates.find(handle);
	if (It != Updates.end())
	{
		It->second.Course = Course;
	}
	return Ticket.Handle;
}

// Invalid before the submission and once the result has arrived; in between see UploadProgress.h.
EItemUpdateStatus SteamUgc::GetItemUpdateProgress(UGCUpdateHandle_t handle, uint64* punBytesProcessed,
												  uint64* punBytesTotal)
{
	RecordApiCall("ISteamUGC::GetItemUpdateProgress");
	UploadProgress Progress;
	{
		std::lock_guard Lock(Mutex);
		auto It = Updates.find(handle);
		if (It != Updates.end() && It->second.Course)
		{
			Progress = It->second.Course->At(Calls().Frame(), Clock::now());
		}
	}
	if (punBytesProcessed)
	{
		*punBytesProcessed = Progress.Processed;
	}
	if (punBytesTotal)
	{
		*punBytesTotal = Progress.Total;
	}
	return Progress.Status;
}

void SteamUgc::Reset()
{
	std::lock_guard Lock(Mutex);
	Updates.clear();
}
} // namespace SteamStandin
