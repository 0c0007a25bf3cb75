# hmd_check_links(<folder>): every name that a target in <folder> or below it
# links must be a target of this build or one of the system libraries listed
# here. A misspelt target name would otherwise reach the linker as -lName, or
# nobody at all when only an interface passes it on; this makes it a
# configure error instead. Names with :: are checked by CMake itself, paths
# and generator expressions are left to the generator.
set(HMD_SYSTEM_LIBRARIES bcrypt dl ole32 shell32 util uuid)

function(hmd_check_links Folder)
  get_property(Targets DIRECTORY ${Folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(Target ${Targets})
    foreach(Property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(Items ${Target} ${Property})
      if(NOT Items)
        continue()
      endif()
      foreach(Item ${Items})
        if(TARGET ${Item} OR Item MATCHES "^\\$<|::|^-" OR IS_ABSOLUTE "${Item}" OR Item IN_LIST HMD_SYSTEM_LIBRARIES)
          continue()
        endif()
        message(FATAL_ERROR "${Target} links ${Item}, which is neither a target of this build nor a system library "
          "listed in cmake/BuildChecks.cmake")
      endforeach()
    endforeach()
  endforeach()
  get_property(Subfolders DIRECTORY ${Folder} PROPERTY SUBDIRECTORIES)
  foreach(Subfolder ${Subfolders})
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR ${Subfolder} InsideProject)
    if(InsideProject)
      hmd_check_links(${Subfolder})
    endif()
  endforeach()
endfunction()

# hmd_collect_sources(<folder> <variable>): appends to <variable> the
# absolute path of every source file of every target in <folder> or below it.
function(hmd_collect_sources Folder OutputVariable)
  set(Collected ${${OutputVariable}})
  get_property(Targets DIRECTORY ${Folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(Target ${Targets})
    get_target_property(Sources ${Target} SOURCES)
    get_target_property(TargetFolder ${Target} SOURCE_DIR)
    if(NOT Sources)
      continue()
    endif()
    foreach(Source ${Sources})
      cmake_path(ABSOLUTE_PATH Source BASE_DIRECTORY ${TargetFolder} NORMALIZE OUTPUT_VARIABLE AbsoluteSource)
      list(APPEND Collected ${AbsoluteSource})
    endforeach()
  endforeach()
  get_property(Subfolders DIRECTORY ${Folder} PROPERTY SUBDIRECTORIES)
  foreach(Subfolder ${Subfolders})
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR ${Subfolder} InsideProject)
    if(InsideProject)
      hmd_collect_sources(${Subfolder} Collected)
    endif()
  endforeach()
  set(${OutputVariable} ${Collected} PARENT_SCOPE)
endfunction()

# hmd_write_listed_sources(<folder> <file>): writes those paths to <file>,
# one a line, for the test that looks for source files no target lists (a
# test file left out of its list would otherwise just not run).
function(hmd_write_listed_sources Folder File)
  set(Sources)
  hmd_collect_sources(${Folder} Sources)
  list(REMOVE_DUPLICATES Sources)
  list(SORT Sources)
  list(JOIN Sources "\n" Text)
  file(WRITE ${File} "${Text}\n")
endfunction()
