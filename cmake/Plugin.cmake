# The Levelwright editor module, built from the plugin folder exactly as it ships (no build files in it
# but Levelwright.Build.cs, which only the engine's build tool reads).
set(LEVELWRIGHT_PLUGIN_DIR ${CMAKE_SOURCE_DIR}/Plugins/Levelwright/Source/Levelwright)
file(GLOB_RECURSE LEVELWRIGHT_PLUGIN_SOURCES CONFIGURE_DEPENDS ${LEVELWRIGHT_PLUGIN_DIR}/Private/*.cpp)

add_library(Levelwright SHARED ${LEVELWRIGHT_PLUGIN_SOURCES})
set_target_properties(Levelwright PROPERTIES OUTPUT_NAME UE4Editor-Levelwright)
target_include_directories(Levelwright PUBLIC ${LEVELWRIGHT_PLUGIN_DIR}/Public ${LEVELWRIGHT_PLUGIN_DIR}/Private)
target_compile_options(Levelwright PRIVATE ${LEVELWRIGHT_WARNINGS})
# The engine loads modules by name (WorkspaceMenuStructure, ImageWrapper): keep every module library
# the plugin depends on, even those it reaches only through the module manager.
target_link_options(Levelwright PRIVATE -Wl,--no-as-needed)
target_link_libraries(Levelwright PUBLIC
  UnrealCore UnrealCoreUObject UnrealEngine UnrealJson UnrealImageWrapper UnrealAssetRegistry UnrealProjects
  UnrealUnrealEd UnrealInputCore UnrealApplicationCore UnrealSlateCore UnrealSlate UnrealEditorStyle
  UnrealWorkspaceMenuStructure DrovikProxy steam_api WindowsRegistry)
