# The version, written once in project(VERSION): the header version/Version.h of the library
# quorvan_version (QUORVAN_VERSION_TEXT) for the programs and the information dialog, and
# PROJECT_VERSION for the Debian package.
set(patch "000${PROJECT_VERSION_PATCH}")
string(LENGTH "${patch}" length)
math(EXPR start "${length} - 4")
string(SUBSTRING "${patch}" ${start} 4 patch)
set(QUORVAN_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${patch}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in
               ${PROJECT_BINARY_DIR}/include/quorvan_version/version/Version.h @ONLY)
add_library(quorvan_version INTERFACE)
target_include_directories(quorvan_version INTERFACE ${PROJECT_BINARY_DIR}/include/quorvan_version)
