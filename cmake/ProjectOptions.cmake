# Warnings for the project's own code, treated as errors.
add_library(hmd_warnings INTERFACE)
target_compile_options(hmd_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough
  -Werror
  # GCC 12 reports a false overlap in std::basic_string's operator+ when it
  # inlines it at -O3 (GCC bug 105329); the code it flags is the library's.
  $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)

# hmd_engine_library(<target> <API macro> SOURCES ... DEPENDS ...)
# One shared library of the engine layer: Public/ is its interface, Private/
# its implementation, and <API macro> (with its fallback in the library's
# Public/<Area>Api.h) exports its symbols while it is built and imports them
# everywhere else.
function(hmd_engine_library Target ApiMacro)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
  add_library(${Target} SHARED ${ARG_SOURCES})
  target_include_directories(${Target} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/Public>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_include_directories(${Target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/Private)
  target_compile_definitions(${Target} PRIVATE ${ApiMacro}=HMD_DLLEXPORT)
  target_compile_definitions(${Target} INTERFACE ${ApiMacro}=HMD_DLLIMPORT)
  target_link_libraries(${Target} PUBLIC ${ARG_DEPENDS} PRIVATE hmd_warnings ${ARG_PRIVATE_DEPENDS})
  install(TARGETS ${Target}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/hmd-editor)
endfunction()

# Installed binaries find the engine libraries relative to themselves: the
# libraries (the modules among them) beside each other, the programs in
# ../lib/hmd-editor. The build tree keeps its own run paths.
file(RELATIVE_PATH HMD_INSTALLED_LIBRARY_FOLDER ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/hmd-editor)
if(NOT WIN32)
  set(CMAKE_INSTALL_RPATH "$ORIGIN;$ORIGIN/${HMD_INSTALLED_LIBRARY_FOLDER}")
endif()
