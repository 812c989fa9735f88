// ISteamUGC of SDK 1.39 (STEAMUGC_INTERFACE_VERSION009): creating and updating Workshop items.
#pragma once

#include "steam/isteamclient.h"
#include "steam/isteamremotestorage.h"

typedef uint64 UGCQueryHandle_t;
typedef uint64 UGCUpdateHandle_t;
const UGCQueryHandle_t k_UGCQueryHandleInvalid = 0xffffffffffffffffull;
const UGCUpdateHandle_t k_UGCUpdateHandleInvalid = 0xffffffffffffffffull;

enum EItemUpdateStatus
{
	k_EItemUpdateStatusInvalid = 0,			   // the handle is unknown, or its update has finished
	k_EItemUpdateStatusPreparingConfig = 1,	   // processing configuration data
	k_EItemUpdateStatusPreparingContent = 2,   // reading and processing content files
	k_EItemUpdateStatusUploadingContent = 3,   // uploading content changes to Steam
	k_EItemUpdateStatusUploadingPreviewFile = 4, // uploading the new preview file
	k_EItemUpdateStatusCommittingChanges = 5,  // committing all changes
};

class ISteamUGC
{
public:
	// Result: CreateItemResult_t.
	virtual SteamAPICall_t CreateItem(AppId_t nConsumerAppId, EWorkshopFileType eFileType) = 0;

	// Starts an item update; the SetItem* calls fill it, SubmitItemUpdate sends it.
	virtual UGCUpdateHandle_t StartItemUpdate(AppId_t nConsumerAppId, PublishedFileId_t nPublishedFileID) = 0;
	virtual bool SetItemTitle(UGCUpdateHandle_t handle, const char* pchTitle) = 0;
	virtual bool SetItemDescription(UGCUpdateHandle_t handle, const char* pchDescription) = 0;
	virtual bool SetItemMetadata(UGCUpdateHandle_t handle, const char* pchMetaData) = 0;
	virtual bool SetItemVisibility(UGCUpdateHandle_t handle, ERemoteStoragePublishedFileVisibility eVisibility) = 0;
	virtual bool SetItemTags(UGCUpdateHandle_t updateHandle, const SteamParamStringArray_t* pTags) = 0;
	virtual bool SetItemContent(UGCUpdateHandle_t handle, const char* pszContentFolder) = 0;
	virtual bool SetItemPreview(UGCUpdateHandle_t handle, const char* pszPreviewFile) = 0;
	// Result: SubmitItemUpdateResult_t.
	virtual SteamAPICall_t SubmitItemUpdate(UGCUpdateHandle_t handle, const char* pchChangeNote) = 0;
	virtual EItemUpdateStatus GetItemUpdateProgress(UGCUpdateHandle_t handle, uint64* punBytesProcessed,
													uint64* punBytesTotal) = 0;
};

#define STEAMUGC_INTERFACE_VERSION "STEAMUGC_INTERFACE_VERSION009"

#pragma pack(push, 8)

struct CreateItemResult_t
{
	enum
	{
		k_iCallback = k_iClientUGCCallbacks + 3
	};
	EResult m_eResult;
	PublishedFileId_t m_nPublishedFileId; // the new item's id
	bool m_bUserNeedsToAcceptWorkshopLegalAgreement;
};

struct SubmitItemUpdateResult_t
{
	enum
	{
		k_iCallback = k_iClientUGCCallbacks + 4
	};
	EResult m_eResult;
	bool m_bUserNeedsToAcceptWorkshopLegalAgreement;
};

#pragma pack(pop)

static_assert(sizeof(CreateItemResult_t) == 24, "CreateItemResult_t has its Win64 size");
static_assert(offsetof(CreateItemResult_t, m_nPublishedFileId) == 8);
static_assert(offsetof(CreateItemResult_t, m_bUserNeedsToAcceptWorkshopLegalAgreement) == 16);
static_assert(sizeof(SubmitItemUpdateResult_t) == 8, "SubmitItemUpdateResult_t has its Win64 size");
static_assert(CreateItemResult_t::k_iCallback == 3403 && SubmitItemUpdateResult_t::k_iCallback == 3404);
