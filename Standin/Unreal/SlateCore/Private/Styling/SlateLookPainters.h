// The images of the core style, which the stand-in paints itself (it has no image files).
#pragma once

#include "CoreMinimal.h"

namespace CoreImages
{
constexpr const TCHAR* Border = TEXT("Common/Border");
constexpr const TCHAR* GroupBorder = TEXT("Common/GroupBorder");
constexpr const TCHAR* TabForeground = TEXT("Docking/Tab_Foreground");
constexpr const TCHAR* Button = TEXT("Common/Button");
constexpr const TCHAR* ButtonHovered = TEXT("Common/Button_Hovered");
constexpr const TCHAR* ButtonPressed = TEXT("Common/Button_Pressed");
constexpr const TCHAR* ButtonDisabled = TEXT("Common/Button_Disabled");
constexpr const TCHAR* HyperlinkUnderline = TEXT("Old/HyperlinkUnderline");
constexpr const TCHAR* CheckBox = TEXT("Common/CheckBox");
constexpr const TCHAR* CheckBoxChecked = TEXT("Common/CheckBox_Checked");
constexpr const TCHAR* CheckBoxUndetermined = TEXT("Common/CheckBox_Undetermined");
constexpr const TCHAR* TextBox = TEXT("Common/TextBox");
constexpr const TCHAR* ThrobberChunk = TEXT("Common/Throbber_Piece");
constexpr const TCHAR* ProgressBackground = TEXT("Common/ProgressBar_Background");
constexpr const TCHAR* ProgressFill = TEXT("Common/ProgressBar_Fill");
constexpr const TCHAR* ProgressMarquee = TEXT("Common/ProgressBar_Marquee");
constexpr const TCHAR* NotificationBackground = TEXT("Old/Notification_Border");
constexpr const TCHAR* NotificationSuccess = TEXT("Icons/notificationlist_success");
constexpr const TCHAR* NotificationFail = TEXT("Icons/notificationlist_fail");
} // namespace CoreImages

// The resource name of a core image: its path below the engine's Slate content, as the engine names it.
FName CoreImage(const TCHAR* RelativePath);

// Registers a painter for every image above.
void RegisterCoreLookPainters();
