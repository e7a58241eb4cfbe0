# Helpers that keep each folder's CMakeLists.txt to a few lines.

# A unity batch includes its files, so GCC takes a type of a file's anonymous
# namespace in a test fixture or member for one from a header.
set(RAZAZU_WARNINGS -Wall -Wextra -Wno-missing-field-initializers
  $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)

# A library's files are compiled a batch at a time, so the headers are
# parsed once a batch instead of once a file. -DCMAKE_UNITY_BUILD=OFF
# compiles file by file.
if(NOT DEFINED CMAKE_UNITY_BUILD)
  set(CMAKE_UNITY_BUILD ON)
endif()
set(CMAKE_UNITY_BUILD_BATCH_SIZE 8)

option(RAZAZU_FULL_DEBUG_INFO
  "Full debug information; OFF keeps function names and lines only (enough for backtraces)" ON)
if(NOT RAZAZU_FULL_DEBUG_INFO)
  add_compile_options(-g1)
endif()

set(RAZAZU_PCH_HEADERS
  <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QDate>
  <QtCore/QDateTime> <QtCore/QHash> <QtCore/QList> <QtCore/QObject>
  <QtWidgets/QWidget> <QtWidgets/QDialog> <QtWidgets/QLabel>
  <QtWidgets/QLineEdit> <QtWidgets/QPushButton>
  <memory> <vector> <string> <functional> <optional>)

# One precompiled header for every library, built once and reused: building
# it costs as much as a dozen source files. A user must define every macro the
# header was built with, so it is built with Qt Core's alone, which all have.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/precompiled.cpp
  CONTENT "// The precompiled header's own source, compiled for it alone.\n")
add_library(razazu_pch OBJECT ${CMAKE_BINARY_DIR}/generated/precompiled.cpp)
set_target_properties(razazu_pch PROPERTIES AUTOMOC OFF)
target_compile_options(razazu_pch PRIVATE ${RAZAZU_WARNINGS})
target_link_libraries(razazu_pch PRIVATE Qt6::Core)
target_include_directories(razazu_pch SYSTEM PRIVATE
  $<TARGET_PROPERTY:Qt6::Gui,INTERFACE_INCLUDE_DIRECTORIES>
  $<TARGET_PROPERTY:Qt6::Widgets,INTERFACE_INCLUDE_DIRECTORIES>)
target_precompile_headers(razazu_pch PRIVATE ${RAZAZU_PCH_HEADERS})

# A library's include tree: links to the public headers of its folder under
# their include path (include/<name>/platform/db/Table.h). A target sees its
# own tree and the trees of what it links, so a folder includes only what it
# links; a folder's private/ headers are its own sources' alone.
function(razazu_header_tree name)
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  set(tree ${CMAKE_BINARY_DIR}/include/${name})
  file(REMOVE_RECURSE ${tree})
  file(MAKE_DIRECTORY ${tree}/${folder})
  foreach(header IN LISTS ARGN)
    get_filename_component(file ${header} NAME)
    file(CREATE_LINK ${header} ${tree}/${folder}/${file} SYMBOLIC)
  endforeach()
  target_include_directories(${name} PUBLIC ${tree})
endfunction()

# razazu_library(<name> DEPS <targets...> [SOURCES <files...>] [EXCLUDE <files...>])
# Every .cpp and .h in the calling folder (or the SOURCES given) goes into one
# static library; its headers outside private/ are its public ones.
function(razazu_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;SOURCES;EXCLUDE" ${ARGN})
  if(ARG_SOURCES)
    list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
      ${CMAKE_CURRENT_SOURCE_DIR}/private/*.h)
  endif()
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_compile_options(${name} PRIVATE ${RAZAZU_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  target_precompile_headers(${name} REUSE_FROM razazu_pch)
  list(FILTER sources INCLUDE REGEX "/[^/]+\\.h$")
  list(FILTER sources EXCLUDE REGEX "/private/")
  razazu_header_tree(${name} ${sources})
endfunction()

# razazu_tests(<name> DEPS <targets...>)
# Every .cpp in the calling folder goes into one GoogleTest binary, run by ctest
# headless. They share test_support's precompiled header.
function(razazu_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${RAZAZU_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} test_support GTest::gtest GTest::gmock)
  target_precompile_headers(${name} REUSE_FROM test_support)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
    TIMEOUT 1200)
endfunction()
