// Stand-in only (not engine API): headless dialogs. Every box is printed and recorded; a box that asks
// a question takes the next queued answer, or Cancel when none is queued; an Ok box answers Ok.
#pragma once

#include <string>
#include <vector>

#include "GenericPlatform/GenericPlatformMisc.h"

namespace Standin::Dialogs
{
struct FShownDialog
{
	EAppMsgType::Type Type;
	std::string Caption; // UTF-8
	std::string Text;	 // UTF-8
	EAppReturnType::Type Answer;
};

void QueueAnswer(EAppReturnType::Type Answer);
std::vector<FShownDialog> GetShown();
void ClearShown();
// Answer names as printed: "Yes", "No", "Cancel", "Ok", ...
const char* AnswerName(EAppReturnType::Type Answer);
} // namespace Standin::Dialogs
