// The picture of a message box as its author sees it on Windows. The headless editor never shows a
// box: it records each one (Standin/Dialogs.h). From that record (caption, text and type) this builds
// the box in the look of a Windows 10 message box out of the Slate stand-in's widgets, sizes a
// headless window to it and renders it, so the picture comes from the same layout and renderer as
// every other screenshot.
#pragma once

#include "CoreMinimal.h"
#include "Standin/Dialogs.h"
#include "Widgets/SWidget.h"

#include <filesystem>
#include <string>
#include <vector>

namespace Standin::Editor
{
// The widest a line of the box's text gets before it wraps.
inline constexpr float MessageBoxTextWidth = 520.0f;

// The buttons of a box of this type, left to right, as Windows labels them; the first is the
// default button.
std::vector<FString> GetMessageBoxButtons(EAppMsgType::Type Type);

// The box: a one-pixel frame around the title bar (caption and close button), the client area (the
// question icon for a question, then the text, wrapped at MessageBoxTextWidth with its own line
// breaks kept) and the row of buttons at the bottom right.
TSharedRef<SWidget> MakeMessageBoxWidget(const Standin::Dialogs::FShownDialog& Dialog);

// The box's size: what its widgets want, in whole pixels.
FVector2D GetMessageBoxSize(const TSharedRef<SWidget>& Box);

// Renders the box at its size to a PNG (folders made as needed). False, with Error, when the file
// cannot be written.
bool ScreenshotMessageBox(const Standin::Dialogs::FShownDialog& Dialog, const std::filesystem::path& HostPath, std::string& Error);
} // namespace Standin::Editor
