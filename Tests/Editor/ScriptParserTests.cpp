// The editor script's grammar, line by line.
#include <random>

#include <gtest/gtest.h>

#include "Script/ScriptParser.h"

using Standin::Editor::EScriptVerb;
using Standin::Editor::FScriptCommand;
using Standin::Editor::ParseScriptLine;

namespace
{
FScriptCommand ParseOk(const std::string& Line)
{
	FScriptCommand Command = ParseScriptLine(Line);
	EXPECT_EQ(Command.Error, "") << Line;
	return Command;
}

std::string ErrorOf(const std::string& Line)
{
	const FScriptCommand Command = ParseScriptLine(Line);
	EXPECT_EQ(Command.Verb, EScriptVerb::None) << Line;
	return Command.Error;
}
} // namespace

TEST(ScriptParser, BlankAndCommentLinesAreNothing)
{
	for (const char* Line : {"", "   ", "\t\r", "# a comment", "   # indented comment", "#", "\r"})
	{
		const FScriptCommand Command = ParseOk(Line);
		EXPECT_EQ(Command.Verb, EScriptVerb::None) << Line;
	}
}

TEST(ScriptParser, CommentsEndCommandsButNotWords)
{
	EXPECT_EQ(ParseOk("tick 3 # three frames").Frames, 3);
	EXPECT_EQ(ParseOk("click Stage#2").Arguments, "Stage#2");
	EXPECT_EQ(ParseOk("type Title \"Map #1\" # the title").Arguments, "Title \"Map #1\"");
	EXPECT_EQ(ParseOk("click  Submit   # go").Arguments, "Submit");
}

TEST(ScriptParser, AnswersTakeYesOrNo)
{
	EXPECT_TRUE(ParseOk("answer yes").bYes);
	const FScriptCommand No = ParseOk("answer no\r");
	EXPECT_EQ(No.Verb, EScriptVerb::Answer);
	EXPECT_FALSE(No.bYes);
	EXPECT_NE(ErrorOf("answer"), "");
	EXPECT_NE(ErrorOf("answer maybe"), "");
	EXPECT_NE(ErrorOf("answer yes no"), "");
	EXPECT_NE(ErrorOf("answer Yes"), "");
}

TEST(ScriptParser, TickAndWaitIdleTakeOptionalNumbers)
{
	EXPECT_EQ(ParseOk("tick").Frames, 1);
	EXPECT_EQ(ParseOk("tick 0").Frames, 0);
	EXPECT_EQ(ParseOk("tick 250").Frames, 250);
	for (const char* Bad : {"tick -1", "tick x", "tick 2x", "tick 1 2", "tick 1.5"})
	{
		EXPECT_NE(ErrorOf(Bad), "") << Bad;
	}
	EXPECT_EQ(ParseOk("wait-idle").Seconds, 120.0);
	EXPECT_EQ(ParseOk("wait-idle 0.5").Seconds, 0.5);
	EXPECT_EQ(ParseOk("wait-idle 30").Verb, EScriptVerb::WaitIdle);
	for (const char* Bad : {"wait-idle 0", "wait-idle -3", "wait-idle soon", "wait-idle nan", "wait-idle inf", "wait-idle 1 2"})
	{
		EXPECT_NE(ErrorOf(Bad), "") << Bad;
	}
}

TEST(ScriptParser, WindowCommandsKeepTheirArgumentsAsWritten)
{
	const FScriptCommand Type = ParseOk("type  Change Note   \"First version, \\\"beta\\\"\"  ");
	EXPECT_EQ(Type.Verb, EScriptVerb::Window);
	EXPECT_EQ(Type.Name, "type");
	EXPECT_EQ(Type.Arguments, "Change Note   \"First version, \\\"beta\\\"\"");
	EXPECT_EQ(ParseOk("open-tab").Arguments, "");
	EXPECT_EQ(ParseOk("screenshot out/tab.png").Arguments, "out/tab.png");
	EXPECT_EQ(ParseOk("show").Verb, EScriptVerb::Window);
	EXPECT_NE(ErrorOf("click"), "");
	EXPECT_NE(ErrorOf("type   # nothing"), "");
	EXPECT_NE(ErrorOf("screenshot"), "");
	const FScriptCommand Box = ParseOk("screenshot-box \"out/refusal box.png\" # the last box");
	EXPECT_EQ(Box.Verb, EScriptVerb::Window);
	EXPECT_EQ(Box.Name, "screenshot-box");
	EXPECT_EQ(Box.Arguments, "\"out/refusal box.png\"");
	EXPECT_EQ(ErrorOf("screenshot-box"), "screenshot-box needs an argument");
}

TEST(ScriptParser, EditSplitsAssignmentsWithQuotedValues)
{
	const FScriptCommand Edit =
		ParseOk("edit /Game/CustomMaps/UGC1/definition.definition Title=\"My Arena\" Tags=PvP,Night \"Description=a \\\"big\\\" map\" Map=");
	EXPECT_EQ(Edit.Verb, EScriptVerb::Edit);
	EXPECT_EQ(Edit.ObjectPath, "/Game/CustomMaps/UGC1/definition.definition");
	const std::vector<std::pair<std::string, std::string>> Expected{
		{"Title", "My Arena"}, {"Tags", "PvP,Night"}, {"Description", "a \"big\" map"}, {"Map", ""}};
	EXPECT_EQ(Edit.Assignments, Expected);
	EXPECT_EQ(ParseOk("edit /Game/X.X Note=\"a # not a comment\" # a comment").Assignments.at(0).second, "a # not a comment");
}

TEST(ScriptParser, EditRefusesIncompleteLines)
{
	EXPECT_NE(ErrorOf("edit"), "");
	EXPECT_NE(ErrorOf("edit /Game/X.X"), "");
	EXPECT_NE(ErrorOf("edit /Game/X.X Title"), "");
	EXPECT_NE(ErrorOf("edit /Game/X.X =value"), "");
	EXPECT_NE(ErrorOf("edit /Game/X.X Title=\"unterminated"), "");
}

TEST(ScriptParser, SimpleCommandsTakeNoArguments)
{
	EXPECT_EQ(ParseOk("save-all").Verb, EScriptVerb::SaveAll);
	EXPECT_EQ(ParseOk("quit  ").Verb, EScriptVerb::Quit);
	EXPECT_NE(ErrorOf("save-all now"), "");
	EXPECT_NE(ErrorOf("quit 1"), "");
}

TEST(ScriptParser, UnknownCommandsAreNamed)
{
	EXPECT_EQ(ErrorOf("frobnicate the widget"), "unknown command 'frobnicate'");
	EXPECT_EQ(ErrorOf("Tick 3"), "unknown command 'Tick'");
	EXPECT_EQ(ParseOk("\"tick\" 3").Frames, 3);
}

TEST(ScriptParser, AnyLineGivesACommandOrAnError)
{
	// Lines made of the grammar's own pieces, in random order: each parses to exactly one outcome,
	// the same one every time.
	const std::vector<std::string> Pieces{"tick", "wait-idle", "answer", "edit", "click", "quit", "save-all", "yes", "no", "3",
										  "-1", "0.5", "\"", "\\\"", "#", "=", "A=b", " ", "\t", "/Game/X.X", "\r", "\xEF\xBB\xBF", ","};
	std::mt19937 Random(20260);
	for (int Case = 0; Case < 20000; ++Case)
	{
		std::string Line;
		for (int Piece = std::uniform_int_distribution<int>(0, 8)(Random); Piece > 0; --Piece)
		{
			Line += Pieces[std::uniform_int_distribution<size_t>(0, Pieces.size() - 1)(Random)];
		}
		const FScriptCommand First = ParseScriptLine(Line);
		const FScriptCommand Second = ParseScriptLine(Line);
		ASSERT_EQ(First.Error, Second.Error) << Line;
		ASSERT_EQ(First.Verb, Second.Verb) << Line;
		if (!First.Error.empty())
		{
			ASSERT_EQ(First.Verb, EScriptVerb::None) << Line;
		}
		if (First.Verb == EScriptVerb::Edit)
		{
			ASSERT_FALSE(First.Assignments.empty()) << Line;
		}
	}
}
