# tavorin_library(<name> SOURCES <files...> [DEPS <targets...>] [QT])
#   A static library of one folder. Logic libraries use the standard library
#   and the platform layer only; window libraries (<folder>_ui) add QT.
function(tavorin_library name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(ARG_QT)
    target_link_libraries(${name} PUBLIC Qt6::Widgets)
  endif()
endfunction()

# tavorin_gtest(<name> SOURCES <files...> DEPS <targets...>)
#   A GoogleTest binary over GUI-free libraries; every test gets a fresh
#   program folder through TAVORIN_HOME from its fixture.
function(tavorin_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} testsupport GTest::gtest GTest::gtest_main GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TAVORIN_DATA=${CMAKE_SOURCE_DIR}/data;TAVORIN_BIN=${TAVORIN_BIN_DIR}")
endfunction()

# tavorin_qtest(<name> SOURCES <files...> DEPS <targets...>)
#   A Qt Test binary for windows, run on the offscreen platform.
function(tavorin_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} testsupport Qt6::Test Qt6::Widgets)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TAVORIN_DATA=${CMAKE_SOURCE_DIR}/data;TAVORIN_BIN=${TAVORIN_BIN_DIR}")
endfunction()
