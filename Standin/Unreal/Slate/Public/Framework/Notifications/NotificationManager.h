#pragma once

#include "CoreMinimal.h"
#include "HAL/CriticalSection.h"

class SNotificationItem;
class SNotificationList;
struct FNotificationInfo;

// Shows notifications in the corner of the editor's window.
class FSlateNotificationManager
{
public:
	static FSlateNotificationManager& Get();

	// Shows a notification now and gives its item. Only on the game thread: anywhere else it is a
	// fatal check (QueueNotification is for other threads).
	TSharedPtr<SNotificationItem> AddNotification(const FNotificationInfo& Info);
	// From any thread: takes ownership of the heap-allocated Info and shows it on the game thread's
	// next frame (Tick).
	void QueueNotification(FNotificationInfo* Info);
	// Once a frame on the game thread: shows the queued notifications and lets the lists drop the
	// items that have faded out.
	void Tick();

protected:
	FSlateNotificationManager();

	TSharedPtr<SNotificationList> NotificationList;
	FCriticalSection PendingNotificationCS;
	TArray<FNotificationInfo*> PendingNotifications;
};
