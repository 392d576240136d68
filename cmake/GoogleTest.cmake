# GoogleTest for the host build and for the cross-compiled Windows tests.
#
# On Linux the system's GoogleTest serves the native tests. For the Windows
# tests it is built from the sources Debian's libgtest-dev ships, with the
# same static runtime as the program. Either way the tests link
# GTest::gtest_main.

set(PLUMARO_GTEST_SOURCE /usr/src/googletest CACHE PATH "googletest sources for cross builds")

if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${PLUMARO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # googletest's own CMakeLists defines GTest::gtest and GTest::gtest_main.
else()
  find_package(GTest REQUIRED)
endif()
