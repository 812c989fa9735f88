// The package loader of the object stand-in: any bytes in a package file load an object or are
// reported and treated as missing. Each input is a package of its own (the stand-in keeps loaded
// packages for the whole process); a map and a mesh are there for references to reach.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "CoreMinimal.h"
#include "Standin/Engine.h"
#include "TestFiles.h"
#include "UObject/Object.h"
#include "UObject/UObjectGlobals.h"

namespace
{
namespace fs = std::filesystem;

void WriteBytes(const fs::path& File, const char* Data, size_t Size)
{
	fs::create_directories(File.parent_path());
	std::ofstream(File, std::ios::binary | std::ios::trunc).write(Data, static_cast<std::streamsize>(Size));
}

// A project in a temporary folder (removed when the process ends), made the engine's project once per
// process.
const fs::path& ContentFolder()
{
	static const LevelwrightTest::FTempDir Temp;
	static const fs::path Content = [] {
		const fs::path& Root = Temp.Path();
		const std::string Project = "{ \"FileVersion\": 3 }";
		WriteBytes(Root / "Drovik.uproject", Project.data(), Project.size());
		const std::string Map = R"({"Class": "World", "Properties": {}, "References": ["/Game/Fuzz/Shared/Crate"]})";
		WriteBytes(Root / "Content/Fuzz/Shared/Arena.umap", Map.data(), Map.size());
		const std::string Mesh = R"({"Class": "StaticMesh", "Properties": {"Triangles": 12}})";
		WriteBytes(Root / "Content/Fuzz/Shared/Crate.uasset", Mesh.data(), Mesh.size());
		Standin::Engine::FSettings Settings;
		Settings.BinariesDir = Root;
		Settings.ProjectFile = Root / "Drovik.uproject";
		Standin::Engine::Initialize(Settings);
		return Root / "Content";
	}();
	return Content;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	static unsigned long long Counter = 0;
	const std::string Name = "P" + std::to_string(Counter++);
	const fs::path File = ContentFolder() / "Fuzz" / (Name + ".uasset");
	WriteBytes(File, reinterpret_cast<const char*>(Data), Size);
	const FString ObjectPath = FString::Printf(TEXT("/Game/Fuzz/%s.%s"), *FString(Name.c_str()), *FString(Name.c_str()));
	UObject* Object = LoadObject<UObject>(nullptr, *ObjectPath);
	if (Object && Object->GetPathName() != ObjectPath)
	{
		__builtin_trap(); // a loaded object is the one the path names
	}
	fs::remove(File);
	return 0;
}
