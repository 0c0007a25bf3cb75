if(CMAKE_CROSSCOMPILING)
  # No GoogleTest binaries exist for the target: build it from Debian's
  # source package with the cross compiler.
  include(${CMAKE_CURRENT_LIST_DIR}/GoogleTestFromSource.cmake)
  include(${CMAKE_CURRENT_LIST_DIR}/WineTests.cmake)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# hmd_add_test(<target> SOURCES ... DEPENDS ...): one GoogleTest binary with
# the shared test support (Tests/Support), its cases registered with CTest
# one by one.
function(hmd_add_test Target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${Target} ${ARG_SOURCES})
  target_link_libraries(${Target} PRIVATE ${ARG_DEPENDS} HmdTestSupport GTest::gtest GTest::gtest_main hmd_warnings)
  # The first Wine start creates its prefix and takes longer than the default.
  gtest_discover_tests(${Target} DISCOVERY_TIMEOUT 120 DISCOVERY_MODE PRE_TEST)
endfunction()
