#include "ScenarioTest.h"

#include <algorithm>
#include <sstream>

namespace fs = std::filesystem;

namespace LevelwrightTest
{
namespace
{
// The window's root: every `show` starts with the tab itself, unindented; its widgets follow, indented.
const std::string TreeStart = "SDockTab \"Drovik Workshop\"";
} // namespace

bool FShownTree::Has(const std::string& Type, const std::string& Label) const
{
	for (const std::string& Line : Lines)
	{
		const size_t Start = Line.find_first_not_of(' ');
		const std::string Named = Label.empty() ? Type + " " : Type + " \"" + Label + "\" (";
		if (Start != std::string::npos && Line.compare(Start, Named.size(), Named) == 0)
		{
			return true;
		}
	}
	return false;
}

std::string FShownTree::Text() const
{
	std::string Joined;
	for (const std::string& Line : Lines)
	{
		Joined += Line + "\n";
	}
	return Joined;
}

std::vector<FShownTree> ShownTrees(const std::string& Output)
{
	// Log lines of a running job may come between the lines of a tree: only indented lines belong to it.
	std::vector<std::vector<std::string>> Trees;
	std::istringstream Stream(Output);
	std::string Line;
	while (std::getline(Stream, Line))
	{
		if (Line.rfind(TreeStart, 0) == 0)
		{
			Trees.push_back({Line});
		}
		else if (!Trees.empty() && Line.rfind(' ', 0) == 0)
		{
			Trees.back().push_back(Line);
		}
	}
	return std::vector<FShownTree>(Trees.begin(), Trees.end());
}

std::unique_ptr<FChildProcess> FScenarioTest::StartInteractive() const
{
	return std::make_unique<FChildProcess>(EditorProgram(Engine), std::vector<std::string>{Project.File().string(), "-machine=" + Machine.Path().string()},
										   Project.Dir().parent_path());
}

FScenarioTest::FJson FScenarioTest::ReadItem(unsigned long long Id) const
{
	const std::string Text = ReadFile(ItemDir(Id) / "item.json");
	return Text.empty() ? FJson() : FJson::parse(Text);
}

std::vector<std::string> FScenarioTest::PaksIn(const fs::path& Folder) const
{
	std::vector<std::string> Names;
	std::error_code Error;
	for (const auto& Entry : fs::directory_iterator(Folder, Error))
	{
		if (Entry.path().extension() == ".pak")
		{
			Names.push_back(Entry.path().filename().string());
		}
	}
	std::sort(Names.begin(), Names.end());
	return Names;
}

void FScenarioTest::HoldCooks()
{
	// The cook is the same program as the editor: a script in its place waits for the gate when it
	// is asked to cook, then becomes the real program under the same name (so the engine folder,
	// which the editor takes from its argv[0], stays the test's own).
	const fs::path Editor = EditorProgram(Engine);
	fs::remove(Editor);
	WriteFile(Editor, "#!/bin/bash\n"
					  "for Argument in \"$@\"; do\n"
					  "  if [ \"$Argument\" = -run=cook ]; then\n"
					  "    for Try in $(seq 600); do [ -e '" +
						  CookGate().string() +
						  "' ] && break; sleep 0.1; done\n"
						  "  fi\n"
						  "done\n"
						  "exec -a \"$0\" '" +
						  (BuiltBinariesDir() / "UE4Editor.exe").string() + "' \"$@\"\n");
	fs::permissions(Editor, fs::perms::owner_all, fs::perm_options::add);
}

void FScenarioTest::OpenCookGate() const
{
	WriteFile(CookGate(), "open");
}
} // namespace LevelwrightTest
