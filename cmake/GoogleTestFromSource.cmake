# GoogleTest and GoogleMock built inside this build tree from a source tree
# (by default Debian's googletest package). Its build defines the same
# GTest::gtest, GTest::gtest_main, GTest::gmock and GTest::gmock_main targets
# that find_package(GTest) gives on the host.
set(HMD_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
  "GoogleTest source tree used when cross-compiling")
if(NOT EXISTS ${HMD_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${HMD_GOOGLETEST_SOURCE_DIR}; "
    "install Debian's googletest package or set HMD_GOOGLETEST_SOURCE_DIR")
endif()

set(INSTALL_GTEST OFF)
set(BUILD_GMOCK ON)
add_subdirectory(${HMD_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

