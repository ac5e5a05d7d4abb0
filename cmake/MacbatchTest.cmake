# macbatch_add_test(<name> <layer library> <sources>...)
#
# One GoogleTest program per unit, linked with the layer it tests (and so
# with the layers below it). Natively each test case becomes its own
# CTest entry; on Windows the whole program is one entry, run under Wine
# through CMAKE_CROSSCOMPILING_EMULATOR, and Wine runs one program at a time.

if(WIN32)
  # Debian ships GoogleTest as sources only for other targets: build them
  # with the cross compiler.
  set(MACBATCH_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)  # the static runtime, as the program
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${MACBATCH_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

function(macbatch_add_test name layer)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE ${layer} macbatch_test_support macbatch_allocation GTest::gtest_main)
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine TIMEOUT 300)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
