#pragma once

#include "CoreTypes.h"

namespace EAppMsgType
{
enum Type
{
	Ok,
	YesNo,
	OkCancel,
	YesNoCancel,
	CancelRetryContinue,
	YesNoYesAllNoAll,
	YesNoYesAllNoAllCancel,
	YesNoYesAll
};
}

namespace EAppReturnType
{
enum Type
{
	No,
	Yes,
	YesAll,
	NoAll,
	Cancel,
	Ok,
	Retry,
	Continue
};
}

struct FGenericPlatformMisc
{
	// Headless: the box is printed as "MessageBox [Caption] Text" (or "Question: Text -> Answer") and
	// answered from the queue of scripted answers (see Standin/Dialogs.h).
	static EAppReturnType::Type MessageBoxExt(EAppMsgType::Type MsgType, const TCHAR* Text, const TCHAR* Caption);
};
