# add_engine_module(<Name> [DEPS <targets>...] [PRIVATE_DEPS <targets>...])
#
# One engine module of the stand-in, laid out as the engine lays its modules out:
# Standin/Unreal/<Name>/Public holds the headers at the engine's include paths, Private the sources.
# Each module is a shared library (the engine's UE4Editor-<Name>.dll), so a module's self-registration
# (IMPLEMENT_MODULE) runs when the library is loaded, as it does in the editor.
function(add_engine_module Name)
  cmake_parse_arguments(ARG "" "DIR" "DEPS;PRIVATE_DEPS" ${ARGN})
  if(NOT ARG_DIR)
    set(ARG_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_DIR}/Private/*.cpp)
  add_library(Unreal${Name} SHARED ${sources})
  set_target_properties(Unreal${Name} PROPERTIES OUTPUT_NAME UE4Editor-${Name})
  target_include_directories(Unreal${Name} PUBLIC ${ARG_DIR}/Public PRIVATE ${ARG_DIR}/Private)
  target_link_libraries(Unreal${Name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  target_compile_options(Unreal${Name} PRIVATE ${LEVELWRIGHT_WARNINGS})
endfunction()
