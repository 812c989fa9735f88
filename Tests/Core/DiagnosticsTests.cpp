// What a headless run shows a person: dialogs answered from the queue, log lines, ensure reports and
// check failures.
#include <unistd.h>

#include "CoreTestSupport.h"
#include "CoreMinimal.h"
#include "HAL/PlatformMisc.h"
#include "Misc/MessageDialog.h"
#include "Standin/Dialogs.h"
#include "Standin/Engine.h"
#include "Standin/Log.h"

DEFINE_LOG_CATEGORY_STATIC(LogCoreTest, Log, All);
DEFINE_LOG_CATEGORY_STATIC(LogQuietTest, Warning, All);

namespace
{
[[maybe_unused]] const bool bLogLinesKept = (Standin::Log::KeepLines(true), true);

// Log lines written since the last call.
std::vector<std::string> TakeLines()
{
	std::vector<std::string> Lines = Standin::Log::GetLines();
	Standin::Log::ClearLines();
	return Lines;
}

// Reports whether Expression passes ensure(), from a single call site.
bool EnsureAtOneSite(bool bExpression)
{
	return ensure(bExpression);
}

} // namespace

TEST(Dialogs, QuestionsTakeQueuedAnswersThenCancel)
{
	Standin::Log::ClearLines();
	Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
	Standin::Dialogs::QueueAnswer(EAppReturnType::No);
	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::YesNo, FText::FromString(TEXT("Create the map folder?"))), EAppReturnType::Yes);
	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::YesNo, FText::FromString(TEXT("Overwrite?"))), EAppReturnType::No);
	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::YesNo, FText::FromString(TEXT("Nobody answers?"))), EAppReturnType::Cancel);
	EXPECT_EQ(TakeLines(), (std::vector<std::string>{"Question: Create the map folder? -> Yes", "Question: Overwrite? -> No",
													 "Question: Nobody answers? -> Cancel"}));
}

TEST(Dialogs, OkBoxesAnswerOkAndLeaveTheQueueToQuestions)
{
	Standin::Log::ClearLines();
	Standin::Dialogs::ClearShown();
	Standin::Dialogs::QueueAnswer(EAppReturnType::No);
	const FText Title = FText::FromString(TEXT("Drovik Workshop"));
	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::Ok, FText::FromString(TEXT("Map published.")), &Title), EAppReturnType::Ok);
	EXPECT_EQ(FMessageDialog::Open(EAppMsgType::Ok, FText::FromString(TEXT("No title."))), EAppReturnType::Ok);
	EXPECT_EQ(FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("Steam is not running."), TEXT("Error")), EAppReturnType::Ok);
	EXPECT_EQ(FPlatformMisc::MessageBoxExt(EAppMsgType::YesNo, TEXT("Still the queued answer?"), TEXT("Caption")), EAppReturnType::No);
	EXPECT_EQ(TakeLines(), (std::vector<std::string>{"MessageBox [Drovik Workshop] Map published.", "MessageBox [Message] No title.",
													 "MessageBox [Error] Steam is not running.",
													 "Question: Still the queued answer? -> No"}));

	const std::vector<Standin::Dialogs::FShownDialog> Shown = Standin::Dialogs::GetShown();
	ASSERT_EQ(Shown.size(), 4u);
	EXPECT_EQ(Shown[0].Caption, "Drovik Workshop");
	EXPECT_EQ(Shown[0].Text, "Map published.");
	EXPECT_EQ(Shown[3].Type, EAppMsgType::YesNo);
	EXPECT_EQ(Shown[3].Answer, EAppReturnType::No);
}

TEST(Dialogs, LinesGoToStandardOutput)
{
	testing::internal::CaptureStdout();
	FMessageDialog::Open(EAppMsgType::YesNo, FText::FromString(TEXT("Printed?")));
	const std::string Out = testing::internal::GetCapturedStdout();
	EXPECT_EQ(Out, "Question: Printed? -> Cancel\n");
}

TEST(Logging, LineFormatLeavesOutOnlyTheLogVerbosity)
{
	Standin::Log::ClearLines();
	UE_LOG(LogCoreTest, Log, TEXT("Creating map folder for id %llu"), uint64(42));
	UE_LOG(LogCoreTest, Warning, TEXT("%s is missing"), TEXT("Preview.png"));
	UE_LOG(LogCoreTest, Error, TEXT("Code %d"), -3);
	UE_LOG(LogCoreTest, Display, TEXT("Shown"));
	UE_LOG(LogCoreTest, Verbose, TEXT("Suppressed: above the category's verbosity"));
	UE_LOG(LogQuietTest, Log, TEXT("Suppressed too"));
	UE_LOG(LogQuietTest, Warning, TEXT("Kept"));
	UE_LOG(LogTemp, Log, TEXT("Temp %.17g"), 0.5);
	EXPECT_EQ(TakeLines(), (std::vector<std::string>{"LogCoreTest: Creating map folder for id 42", "LogCoreTest: Warning: Preview.png is missing",
													 "LogCoreTest: Error: Code -3", "LogCoreTest: Display: Shown",
													 "LogQuietTest: Warning: Kept", "LogTemp: Temp 0.5"}));
}

TEST(Logging, LinesGoToStandardOutputAndTheProjectLogFile)
{
	CoreTest::FScratch Scratch;
	const std::filesystem::path Binaries = Scratch.Path() / "Engine" / "Binaries" / "Win64";
	std::filesystem::create_directories(Binaries);
	CoreTest::WriteFile(Scratch.Path() / "Drovik" / "Drovik.uproject", "{}");
	Standin::Engine::Initialize({Binaries, Scratch.Path() / "Drovik" / "Drovik.uproject", false, ""});

	testing::internal::CaptureStdout();
	UE_LOG(LogCoreTest, Warning, TEXT("Caf\u00e9 %d"), 1);
	UE_LOG(LogCoreTest, Log, TEXT("second"));
	EXPECT_EQ(testing::internal::GetCapturedStdout(), "LogCoreTest: Warning: Caf\u00e9 1\nLogCoreTest: second\n");
	Standin::Log::CloseLogFile();
	EXPECT_EQ(CoreTest::ReadFile(Scratch.Path() / "Drovik" / "Saved" / "Logs" / "Drovik.log"),
			  "LogCoreTest: Warning: Caf\xC3\xA9 1\r\nLogCoreTest: second\r\n");
}

TEST(Ensure, ReportsTheFirstFailureOfEachSiteAndReturnsTheCondition)
{
	Standin::Log::ClearLines();
	int Evaluations = 0;
	int Value = 1;
	for (int Pass = 0; Pass < 3; ++Pass)
	{
		// clang-format off
		const bool bResult = ensure(++Evaluations > 0 && Value == 2); const int EnsureLine = __LINE__;
		// clang-format on
		EXPECT_FALSE(bResult);
		if (Pass == 0)
		{
			const std::vector<std::string> Lines = TakeLines();
			ASSERT_EQ(Lines.size(), 1u);
			const std::string Expected = "LogOutputDevice: Error: Ensure condition failed: ++Evaluations > 0 && Value == 2 [File:" +
										 std::string(__FILE__) + "] [Line: " + std::to_string(EnsureLine) + "]";
			EXPECT_EQ(Lines[0].substr(0, Expected.size()), Expected);
		}
	}
	EXPECT_EQ(Evaluations, 3) << "the expression is evaluated every time";
	EXPECT_TRUE(TakeLines().empty()) << "later failures of the same site are silent";

	EXPECT_TRUE(ensure(Value == 1));
	EXPECT_TRUE(EnsureAtOneSite(true));
	EXPECT_FALSE(EnsureAtOneSite(false));
	EXPECT_FALSE(EnsureAtOneSite(false));
	EXPECT_TRUE(EnsureAtOneSite(true));
	const std::vector<std::string> Lines = TakeLines();
	ASSERT_EQ(Lines.size(), 1u);
	EXPECT_NE(Lines[0].find("Ensure condition failed: bExpression [File:"), std::string::npos) << Lines[0];

	// Another site reports on its own, and a message comes with it.
	if (!ensureMsgf(Value > 5, TEXT("Value was %d"), Value))
	{
		const std::vector<std::string> MsgLines = TakeLines();
		ASSERT_EQ(MsgLines.size(), 1u);
		EXPECT_NE(MsgLines[0].find("Ensure condition failed: Value > 5 [File:"), std::string::npos);
		EXPECT_NE(MsgLines[0].find("Value was 1"), std::string::npos);
	}
	else
	{
		ADD_FAILURE() << "ensureMsgf returned true for a false condition";
	}
}

TEST(CheckDeathTest, FailedCheckAbortsWithTheExpression)
{
	int Value = 1;
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			check(Value == 2);
		},
		"Assertion failed: Value == 2 \\[File:.*DiagnosticsTests.cpp\\] \\[Line: [0-9]+\\]");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			checkf(Value < 0, TEXT("Value is %d"), Value);
		},
		"Assertion failed: Value < 0 .*\n.*Value is 1");
	check(Value == 1);
}

TEST(CheckDeathTest, FatalLogAborts)
{
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			UE_LOG(LogCoreTest, Fatal, TEXT("Cannot go on"));
		},
		"LogCoreTest: Fatal: Cannot go on");
}
