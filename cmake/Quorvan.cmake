# quorvan_library(NAME SOURCES ... [DEPS ...])
#   One static library per component; its headers are included from src/ ("chart/clsQuorvan.h").
function(quorvan_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src/system
                                            ${PROJECT_SOURCE_DIR}/src/frontend)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# quorvan_test(NAME SOURCES ... [DEPS ...] [TEST_PREFIX PREFIX])
#   A GoogleTest executable registered with CTest, one CTest entry per test case, its name
#   led by PREFIX when given.
function(quorvan_test name)
  cmake_parse_arguments(ARG "" "TEST_PREFIX" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} quorvan_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
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
