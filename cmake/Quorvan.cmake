# quorvan_library(NAME SOURCES ... [PUBLIC DEPS ...] [PRIVATE DEPS ...])
#   One static library per component. Its headers are included by the component's name
#   ("chart/clsQuorvan.h", "platform/excel/Application.h", "gui/forms/FormView.h"): the folder
#   below src/, without the layer for the system and the front ends. Each library has an
#   include folder of its own in the build tree, build/…/include/NAME, that holds one link
#   named after the component to the component's folder, and nothing else. A library sees its
#   own include folder and those of the libraries it links, so an include of a component that
#   it does not link does not build. A dependency is PUBLIC when the library's headers include
#   it (its users need its headers too), PRIVATE when only the sources do.
function(quorvan_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  quorvan_include_folder(${name} PUBLIC)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()

# quorvan_include_folder(TARGET PUBLIC|INTERFACE)
#   The include folder of the component in the current source folder, for TARGET.
function(quorvan_include_folder name scope)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "^(system|frontend)/" "" component ${folder})
  set(root ${PROJECT_BINARY_DIR}/include/${name})
  get_filename_component(parent ${root}/${component} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${component} SYMBOLIC)
  target_include_directories(${name} ${scope} ${root})
endfunction()

# GoogleTest's and GoogleMock's headers are about half of what a test source parses. Compiled
# once into a precompiled header, they serve every test program: all of them are compiled with
# -fPIC (those linking Qt are anyway), so that one header fits all. A compiler launcher such as
# ccache caches no source that reads a precompiled header (and saves more), so there is none
# under one.
if(CMAKE_CXX_COMPILER_LAUNCHER)
  set(QUORVAN_TEST_PCH_DEFAULT OFF)
else()
  set(QUORVAN_TEST_PCH_DEFAULT ON)
endif()
option(QUORVAN_TEST_PCH "Precompile GoogleTest's headers for the test programs"
       ${QUORVAN_TEST_PCH_DEFAULT})

# quorvan_test(NAME SOURCES ... [DEPS ...] [TEST_PREFIX PREFIX])
#   A GoogleTest executable registered with CTest, one CTest entry per test case, its name
#   led by PREFIX when given.
function(quorvan_test name)
  cmake_parse_arguments(ARG "" "TEST_PREFIX" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} quorvan_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_options(${name} PRIVATE -fPIC)
  if(QUORVAN_TEST_PCH)
    if(NOT TARGET quorvan_test_headers)
      set(source ${PROJECT_BINARY_DIR}/test_headers.cpp)
      file(WRITE ${source} "// The precompiled GoogleTest headers of the test programs.\n")
      add_library(quorvan_test_headers OBJECT ${source})
      target_link_libraries(quorvan_test_headers PRIVATE GTest::gtest GTest::gmock)
      target_compile_options(quorvan_test_headers PRIVATE -fPIC)
      target_precompile_headers(quorvan_test_headers PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
    endif()
    target_precompile_headers(${name} REUSE_FROM quorvan_test_headers)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_PREFIX "${ARG_TEST_PREFIX}")
endfunction()

# quorvan_add_subdirectories(dir ...)
#   Adds each listed folder that has a CMakeLists.txt, so that components can land one by one.
function(quorvan_add_subdirectories)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
