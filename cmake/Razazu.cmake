# Helpers that keep each folder's CMakeLists.txt to a few lines.

set(RAZAZU_WARNINGS -Wall -Wextra -Wno-missing-field-initializers)

set(RAZAZU_PCH_HEADERS
  <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QDate>
  <QtCore/QDateTime> <QtCore/QHash> <QtCore/QList> <QtCore/QObject>
  <memory> <vector> <string> <functional> <optional>)
set(RAZAZU_PCH_WIDGETS <QtWidgets/QWidget> <QtWidgets/QDialog> <QtWidgets/QLabel>
  <QtWidgets/QLineEdit> <QtWidgets/QPushButton>)

# razazu_library(<name> [WIDGETS] DEPS <targets...> [EXCLUDE <files...>])
# Every .cpp in the calling folder goes into one static library.
function(razazu_library name)
  cmake_parse_arguments(ARG "WIDGETS" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_BINARY_DIR}/generated)
  target_compile_options(${name} PRIVATE ${RAZAZU_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(ARG_WIDGETS)
    target_precompile_headers(${name} PRIVATE ${RAZAZU_PCH_HEADERS} ${RAZAZU_PCH_WIDGETS})
  else()
    target_precompile_headers(${name} PRIVATE ${RAZAZU_PCH_HEADERS})
  endif()
endfunction()

# razazu_tests(<name> DEPS <targets...>)
# Every .cpp in the calling folder goes into one GoogleTest binary, run by ctest
# headless.
function(razazu_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${RAZAZU_WARNINGS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} test_support GTest::gtest GTest::gmock)
  target_precompile_headers(${name} PRIVATE ${RAZAZU_PCH_HEADERS} <gtest/gtest.h>)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
    TIMEOUT 1200)
endfunction()
