#include "Levelwright/JobNotification.h"

#include "CoreGlobals.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/Notifications/NotificationManager.h"
#include "Widgets/Notifications/SNotificationList.h"

namespace
{
void OpenOutputLog()
{
	FGlobalTabmanager::Get()->TryInvokeTab(FName(TEXT("OutputLog")));
}
} // namespace

FJobNotification::FJobNotification(const FString& Text, FSimpleDelegate OnCancel) : ShownText(Text)
{
	check(IsInGameThread());
	FNotificationInfo Info(FText::FromString(Text));
	Info.bFireAndForget = false;
	Info.ExpireDuration = 5.0f;
	Info.Hyperlink = FSimpleDelegate::CreateStatic(&OpenOutputLog);
	Info.HyperlinkText = FText::FromString(TEXT("Show Log"));
	if (OnCancel.IsBound())
	{
		Info.ButtonDetails.Add(FNotificationButtonInfo(FText::FromString(TEXT("Cancel")), FText::FromString(TEXT("Stops the job and every process it started")),
													   OnCancel, SNotificationItem::CS_Pending));
	}
	Item = FSlateNotificationManager::Get().AddNotification(Info);
	if (Item.IsValid())
	{
		Item->SetCompletionState(SNotificationItem::CS_Pending);
	}
}

void FJobNotification::SetText(const FString& Text)
{
	check(IsInGameThread());
	// Asked every frame: the item is told only of a change.
	if (Item.IsValid() && !Text.Equals(ShownText, ESearchCase::CaseSensitive))
	{
		ShownText = Text;
		Item->SetText(FText::FromString(Text));
	}
}

void FJobNotification::Finish(bool bSucceeded, const FString& Text)
{
	check(IsInGameThread());
	if (!Item.IsValid())
	{
		return;
	}
	SetText(Text);
	Item->SetCompletionState(bSucceeded ? SNotificationItem::CS_Success : SNotificationItem::CS_Fail);
	Item->ExpireAndFadeout();
	Item.Reset();
}
