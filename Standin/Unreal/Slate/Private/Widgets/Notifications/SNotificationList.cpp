#include "Widgets/Notifications/SNotificationList.h"

#include "SNotificationItemImpl.h"
#include "Widgets/SBoxPanel.h"

void SNotificationList::Construct(const FArguments& InArgs)
{
	// Only the items take clicks: the rest of the window's corner stays reachable under the list.
	// Without items the list is not there at all, as the engine hides its window.
	SetVisibility(TAttribute<EVisibility>::Create(TAttribute<EVisibility>::FGetter::CreateLambda(
		[this]() { return MyNotificationList->NumSlots() > 0 ? EVisibility::SelfHitTestInvisible : EVisibility::Collapsed; })));
	ChildSlot.HAlign(HAlign_Right).VAlign(VAlign_Bottom).Padding(15)[SAssignNew(MyNotificationList, SVerticalBox).Visibility(EVisibility::SelfHitTestInvisible)];
}

TSharedRef<SNotificationItem> SNotificationList::AddNotification(const FNotificationInfo& Info)
{
	const TSharedRef<SNotificationItemImpl> NewItem = SNew(SNotificationItemImpl).Info(&Info);
	MyNotificationList->AddSlot().AutoHeight().HAlign(HAlign_Right).Padding(0, 5, 0, 0)[NewItem];
	if (Info.bFireAndForget)
	{
		NewItem->ExpireAndFadeout();
	}
	return NewItem;
}

void SNotificationList::NotificationItemFadedOut(const TSharedRef<SNotificationItem>& NotificationItem)
{
	MyNotificationList->RemoveSlot(NotificationItem);
}
