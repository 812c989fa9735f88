#include "Framework/Notifications/NotificationManager.h"

#include "CoreGlobals.h"
#include "Layout/Children.h"
#include "Misc/ScopeLock.h"
#include "Standin/SlateApplication.h"
#include "Widgets/Notifications/SNotificationItemImpl.h"
#include "Widgets/Notifications/SNotificationList.h"
#include "Widgets/SBoxPanel.h"

namespace
{
// The headless editor has one window, so one list: its notification area.
const TSharedRef<SNotificationList>& MainWindowList()
{
	static const TSharedRef<SNotificationList> List = SNew(SNotificationList);
	return List;
}
} // namespace

FSlateNotificationManager::FSlateNotificationManager() = default;

FSlateNotificationManager& FSlateNotificationManager::Get()
{
	static FSlateNotificationManager Instance;
	return Instance;
}

TSharedPtr<SNotificationItem> FSlateNotificationManager::AddNotification(const FNotificationInfo& Info)
{
	check(IsInGameThread() || !"FSlateNotificationManager::AddNotification must be called on game thread. Use QueueNotification if necessary.");
	return MainWindowList()->AddNotification(Info);
}

void FSlateNotificationManager::QueueNotification(FNotificationInfo* Info)
{
	FScopeLock Lock(&PendingNotificationCS);
	PendingNotifications.Add(Info);
}

void FSlateNotificationManager::Tick()
{
	TArray<FNotificationInfo*> NotificationsToAdd;
	{
		FScopeLock Lock(&PendingNotificationCS);
		NotificationsToAdd = PendingNotifications;
		PendingNotifications.Empty();
	}
	for (FNotificationInfo* Notification : NotificationsToAdd)
	{
		AddNotification(*Notification);
		delete Notification;
	}

	const double Now = Standin::Slate::GetCurrentTime();
	const TSharedRef<SNotificationList>& List = MainWindowList();
	std::vector<TSharedRef<SNotificationItem>> FadedOut;
	FChildren* Items = List->MyNotificationList->GetChildren();
	for (int32 Index = 0; Index < Items->Num(); ++Index)
	{
		const TSharedRef<SWidget> Item = Items->GetChildAt(Index);
		if (static_cast<const SNotificationItemImpl&>(*Item).HasFadedOut(Now))
		{
			FadedOut.push_back(StaticCastSharedRef<SNotificationItem>(Item));
		}
	}
	for (const TSharedRef<SNotificationItem>& Item : FadedOut)
	{
		List->NotificationItemFadedOut(Item);
	}
}

namespace Standin::Slate
{
TSharedRef<SWidget> GetNotificationArea() { return MainWindowList(); }
} // namespace Standin::Slate
