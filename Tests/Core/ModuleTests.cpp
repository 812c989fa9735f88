// Modules: IMPLEMENT_MODULE registers a module when its library (here, this test program) loads;
// FModuleManager creates it on the first load, runs its start-up once, and shuts modules down.
#include <string>
#include <unistd.h>
#include <vector>

#include "CoreTestSupport.h"
#include "Modules/ModuleManager.h"

namespace
{
std::vector<std::string>& Events()
{
	static std::vector<std::string> List;
	return List;
}

class FRecordingModule : public IModuleInterface
{
public:
	explicit FRecordingModule(std::string InName) : Name(std::move(InName)) {}
	void StartupModule() override { Events().push_back("startup " + Name); }
	void PreUnloadCallback() override { Events().push_back("preunload " + Name); }
	void ShutdownModule() override { Events().push_back("shutdown " + Name); }
	int Answer() const { return 42; }

private:
	std::string Name;
};

class FCoreTestFirstModule : public FRecordingModule
{
public:
	FCoreTestFirstModule() : FRecordingModule("First") {}
};

class FCoreTestSecondModule : public FRecordingModule
{
public:
	FCoreTestSecondModule() : FRecordingModule("Second") {}
};
} // namespace

IMPLEMENT_MODULE(FCoreTestFirstModule, CoreTestFirst)
IMPLEMENT_MODULE(FCoreTestSecondModule, CoreTestSecond)
IMPLEMENT_MODULE(FDefaultModuleImpl, CoreTestNeverLoaded)

TEST(Modules, RegisteredModulesLoadOnceAndStartUpOnce)
{
	Events().clear();
	FModuleManager& Manager = FModuleManager::Get();
	EXPECT_TRUE(Manager.ModuleExists(TEXT("CoreTestFirst")));
	EXPECT_FALSE(Manager.ModuleExists(TEXT("CoreTestUnknown")));
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("CoreTestFirst")));
	EXPECT_TRUE(Events().empty()) << "registration alone creates nothing";

	IModuleInterface* Loaded = Manager.LoadModule(TEXT("CoreTestFirst"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Events(), (std::vector<std::string>{"startup First"}));
	EXPECT_TRUE(Manager.IsModuleLoaded(TEXT("CoreTestFirst")));

	EXPECT_EQ(Manager.LoadModule(TEXT("CoreTestFirst")), Loaded);
	FCoreTestFirstModule& Checked = FModuleManager::LoadModuleChecked<FCoreTestFirstModule>(TEXT("coretestfirst"));
	EXPECT_EQ(&Checked, Loaded) << "module names ignore case, as FNames do";
	EXPECT_EQ(&FModuleManager::GetModuleChecked<FCoreTestFirstModule>(TEXT("CoreTestFirst")), Loaded);
	EXPECT_EQ(Checked.Answer(), 42);
	EXPECT_EQ(Events(), (std::vector<std::string>{"startup First"})) << "start-up runs once";

	EXPECT_EQ(Manager.LoadModule(TEXT("CoreTestUnknown")), nullptr);
	EXPECT_EQ(FModuleManager::GetModulePtr<FCoreTestSecondModule>(TEXT("CoreTestSecond")), nullptr);
	Manager.UnloadModulesAtShutdown();
}

TEST(Modules, UnloadRunsShutdownAndShutdownGoesInReverseLoadOrder)
{
	Events().clear();
	FModuleManager& Manager = FModuleManager::Get();
	Manager.LoadModule(TEXT("CoreTestSecond"));
	Manager.LoadModule(TEXT("CoreTestFirst"));
	Manager.UnloadModulesAtShutdown();
	EXPECT_EQ(Events(), (std::vector<std::string>{"startup Second", "startup First", "preunload First", "shutdown First",
												  "preunload Second", "shutdown Second"}));
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("CoreTestFirst")));
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("CoreTestSecond")));

	Events().clear();
	Manager.LoadModule(TEXT("CoreTestFirst"));
	EXPECT_TRUE(Manager.UnloadModule(TEXT("CoreTestFirst")));
	EXPECT_FALSE(Manager.UnloadModule(TEXT("CoreTestFirst"))) << "nothing left to unload";
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("CoreTestFirst")));
	ASSERT_NE(Manager.LoadModule(TEXT("CoreTestFirst")), nullptr);
	EXPECT_EQ(Events(), (std::vector<std::string>{"startup First", "preunload First", "shutdown First", "startup First"}))
		<< "a reload starts a fresh module";
	Manager.UnloadModulesAtShutdown();
}

TEST(ModulesDeathTest, GetModuleCheckedOnAnUnloadedModuleDies)
{
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			FModuleManager::GetModuleChecked<FDefaultModuleImpl>(TEXT("CoreTestNeverLoaded"));
		},
		"Tried to get module interface for unloaded module: 'CoreTestNeverLoaded'");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			FModuleManager::LoadModuleChecked<FDefaultModuleImpl>(TEXT("CoreTestNotRegistered"));
		},
		"CoreTestNotRegistered");
}
