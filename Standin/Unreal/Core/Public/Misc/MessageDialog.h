#pragma once

#include "GenericPlatform/GenericPlatformMisc.h"
#include "Internationalization/Text.h"

struct FMessageDialog
{
	// Without a title the caption is "Message", as in the engine.
	static EAppReturnType::Type Open(EAppMsgType::Type MessageType, const FText& Message, const FText* OptTitle = nullptr);
};
