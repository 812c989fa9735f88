// ISteamUGC of the simulated client: item creation and item updates against the on-disk Workshop.
#pragma once

#include "ClientConfig.h"
#include "UploadProgress.h"
#include "Workshop.h"
#include "steam/isteamugc.h"

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string_view>

namespace SteamStandin
{
class SteamUgc final : public ISteamUGC
{
public:
	SteamAPICall_t CreateItem(AppId_t nConsumerAppId, EWorkshopFileType eFileType) override;
	UGCUpdateHandle_t StartItemUpdate(AppId_t nConsumerAppId, PublishedFileId_t nPublishedFileID) override;
	bool SetItemTitle(UGCUpdateHandle_t handle, const char* pchTitle) override;
	bool SetItemDescription(UGCUpdateHandle_t handle, const char* pchDescription) override;
	bool SetItemMetadata(UGCUpdateHandle_t handle, const char* pchMetaData) override;
	bool SetItemVisibility(UGCUpdateHandle_t handle, ERemoteStoragePublishedFileVisibility eVisibility) override;
	bool SetItemTags(UGCUpdateHandle_t updateHandle, const SteamParamStringArray_t* pTags) override;
	bool SetItemContent(UGCUpdateHandle_t handle, const char* pszContentFolder) override;
	bool SetItemPreview(UGCUpdateHandle_t handle, const char* pszPreviewFile) override;
	SteamAPICall_t SubmitItemUpdate(UGCUpdateHandle_t handle, const char* pchChangeNote) override;
	EItemUpdateStatus GetItemUpdateProgress(UGCUpdateHandle_t handle, uint64* punBytesProcessed,
											uint64* punBytesTotal) override;

	// Forgets every update (SteamAPI_Shutdown).
	void Reset();

private:
	struct Update
	{
		AppId_t AppId = 0;
		PublishedFileId_t ItemId = 0;
		ItemChanges Changes;
		std::string ContentFolder; // as passed (UTF-8, engine or Windows form)
		std::string PreviewFile;
		std::vector<Fault> DeferredFaults; // of SetItem* calls, surfacing in the submission's result
		bool bSubmitted = false;
		std::optional<UploadCourse> Course; // from the submission's acceptance on

	};
	using Edit = std::function<bool(Update&, std::string& Why)>;

	bool Modify(UGCUpdateHandle_t Handle, std::string_view Operation, const Edit& Apply);
	bool TakeForSubmission(UGCUpdateHandle_t Handle, Update& Out);
	void Forget(UGCUpdateHandle_t Handle);

	std::mutex Mutex;
	std::map<UGCUpdateHandle_t, Update> Updates;
	UGCUpdateHandle_t NextHandle = 0x2000000000000001ull;
};

SteamUgc& Ugc();
} // namespace SteamStandin
