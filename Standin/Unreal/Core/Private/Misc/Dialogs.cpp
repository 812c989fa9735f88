#include <deque>
#include <mutex>

#include "HAL/PlatformMisc.h"
#include "Misc/MessageDialog.h"
#include "Standin/Dialogs.h"
#include "Standin/Log.h"
#include "Standin/Machine.h"

namespace Standin::Dialogs
{
namespace
{
struct FDialogState
{
	std::mutex Mutex;
	std::deque<EAppReturnType::Type> Answers;
	std::vector<FShownDialog> Shown;
};

FDialogState& GetState()
{
	static FDialogState* State = new FDialogState();
	return *State;
}

bool IsAnswerAllowed(EAppMsgType::Type Type, EAppReturnType::Type Answer)
{
	switch (Type)
	{
	case EAppMsgType::Ok:
		return Answer == EAppReturnType::Ok;
	case EAppMsgType::YesNo:
		return Answer == EAppReturnType::Yes || Answer == EAppReturnType::No;
	case EAppMsgType::OkCancel:
		return Answer == EAppReturnType::Ok || Answer == EAppReturnType::Cancel;
	case EAppMsgType::YesNoCancel:
		return Answer == EAppReturnType::Yes || Answer == EAppReturnType::No || Answer == EAppReturnType::Cancel;
	default:
		return true;
	}
}

EAppReturnType::Type Show(EAppMsgType::Type Type, const std::u16string& Text, const std::u16string& Caption, EAppReturnType::Type DefaultValue)
{
	FDialogState& State = GetState();
	std::unique_lock Lock(State.Mutex);
	EAppReturnType::Type Answer = Type == EAppMsgType::Ok ? EAppReturnType::Ok : DefaultValue;
	if (Type != EAppMsgType::Ok && !State.Answers.empty())
	{
		const EAppReturnType::Type Queued = State.Answers.front();
		State.Answers.pop_front();
		if (IsAnswerAllowed(Type, Queued))
		{
			Answer = Queued;
		}
	}
	const std::string Utf8Text = Machine::ToUtf8(Text);
	const std::string Utf8Caption = Machine::ToUtf8(Caption);
	State.Shown.push_back({Type, Utf8Caption, Utf8Text, Answer});
	Lock.unlock();
	if (Type == EAppMsgType::Ok)
	{
		Log::WriteRawLine("MessageBox [" + Utf8Caption + "] " + Utf8Text);
	}
	else
	{
		Log::WriteRawLine("Question: " + Utf8Text + " -> " + AnswerName(Answer));
	}
	return Answer;
}
} // namespace

void QueueAnswer(EAppReturnType::Type Answer)
{
	FDialogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	State.Answers.push_back(Answer);
}

std::vector<FShownDialog> GetShown()
{
	FDialogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	return State.Shown;
}

void ClearShown()
{
	FDialogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	State.Shown.clear();
}

const char* AnswerName(EAppReturnType::Type Answer)
{
	switch (Answer)
	{
	case EAppReturnType::No:
		return "No";
	case EAppReturnType::Yes:
		return "Yes";
	case EAppReturnType::YesAll:
		return "YesAll";
	case EAppReturnType::NoAll:
		return "NoAll";
	case EAppReturnType::Cancel:
		return "Cancel";
	case EAppReturnType::Ok:
		return "Ok";
	case EAppReturnType::Retry:
		return "Retry";
	case EAppReturnType::Continue:
		return "Continue";
	}
	return "Unknown";
}

EAppReturnType::Type ShowDialog(EAppMsgType::Type Type, const std::u16string& Text, const std::u16string& Caption,
								EAppReturnType::Type DefaultValue = EAppReturnType::Cancel)
{
	return Show(Type, Text, Caption, DefaultValue);
}
} // namespace Standin::Dialogs

EAppReturnType::Type FGenericPlatformMisc::MessageBoxExt(EAppMsgType::Type MsgType, const TCHAR* Text, const TCHAR* Caption)
{
	return Standin::Dialogs::ShowDialog(MsgType, Text ? Text : u"", Caption ? Caption : u"");
}

EAppReturnType::Type FMessageDialog::Open(EAppMsgType::Type MessageType, const FText& Message, const FText* OptTitle)
{
	const FString Title = OptTitle ? OptTitle->ToString() : FString(TEXT("Message"));
	return Standin::Dialogs::ShowDialog(MessageType, std::u16string(*Message.ToString()), std::u16string(*Title));
}

EAppReturnType::Type FMessageDialog::Open(EAppMsgType::Type MessageType, EAppReturnType::Type DefaultValue, const FText& Message,
										  const FText* OptTitle)
{
	const FString Title = OptTitle ? OptTitle->ToString() : FString(TEXT("Message"));
	return Standin::Dialogs::ShowDialog(MessageType, std::u16string(*Message.ToString()), std::u16string(*Title), DefaultValue);
}
