# The fuzz targets and the libraries each needs. Read by Fuzz/CMakeLists.txt (libFuzzer builds) and by
# Tests/Reliability (every build replays the seed corpus through the same targets).
set(LEVELWRIGHT_FUZZ_TARGETS LibraryFolders RegistryFile PakResponseFile PakArchive EditorScript PackageLoader Printf)
set(LEVELWRIGHT_FUZZ_LibraryFolders_LIBS Levelwright UnrealCore)
set(LEVELWRIGHT_FUZZ_RegistryFile_LIBS WindowsRegistry)
set(LEVELWRIGHT_FUZZ_PakResponseFile_LIBS StandinPak)
set(LEVELWRIGHT_FUZZ_PakArchive_LIBS StandinPak)
set(LEVELWRIGHT_FUZZ_EditorScript_LIBS UE4EditorParts)
set(LEVELWRIGHT_FUZZ_PackageLoader_LIBS DrovikProxy UnrealEngine UnrealCoreUObject UnrealCore LevelwrightTestFiles)
set(LEVELWRIGHT_FUZZ_Printf_LIBS UnrealCore)
set(LEVELWRIGHT_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
