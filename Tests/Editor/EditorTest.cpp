#include "EditorTest.h"

#include <cstdlib>

namespace LevelwrightTest
{
void FEditorTest::SetUp()
{
	// The editor's own behaviour is under test here, not the plugin's.
	Project.RemovePlugin();
	::setenv("LD_PRELOAD", EDITOR_TEST_MODULE, 1);
	::setenv("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0", 1);
	::unsetenv("EDITOR_TEST_QUESTIONS");
	::unsetenv("EDITOR_TEST_BUSY_MS");
	::unsetenv("EDITOR_TEST_BOX");
}

void FEditorTest::UseTestModule()
{
	WriteFile(Project.Dir() / "Plugins" / "Levelwright" / "Levelwright.uplugin",
			  R"({"FileVersion": 3, "Modules": [{"Name": "EditorTestModule", "Type": "Editor", "LoadingPhase": "Default"}]})");
}

FProcessResult FEditorTest::Run(const std::string& Script, const std::vector<std::string>& ExtraArguments)
{
	return RunEditorScript(*this, Script, ExtraArguments);
}

int LineIndex(const FProcessResult& Result, const std::string& Text)
{
	const std::vector<std::string> Lines = Result.Lines();
	for (size_t Index = 0; Index < Lines.size(); ++Index)
	{
		if (Lines[Index].find(Text) != std::string::npos)
		{
			return static_cast<int>(Index);
		}
	}
	return -1;
}
} // namespace LevelwrightTest
