include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)
include(GoogleTest)

# Every folder's headers are seen through an include root of its own:
# <build>/include/<folder id>/<folder>/<Header>.h links to the header. A
# target gets the roots of its own folder and of the libraries it links, so
# "#include "model/Model.h"" builds only in a target that links model.
function(_tavorin_header_root out)
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(MAKE_C_IDENTIFIER "${folder}" id)
  set(root ${CMAKE_BINARY_DIR}/include/${id})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# tavorin_library(<name> [SOURCES <files...>] [DEPS <targets...>] [QT] [QTCORE] [SUPPORT])
#   The static library of one folder (header-only without SOURCES). Logic
#   libraries link the standard library and the libraries below them only;
#   window libraries (<folder>_ui) say QT (Qt Widgets, moc). QTCORE: Qt Core
#   without windows (the desktop only). SUPPORT: a test's support library,
#   outside the layer table.
function(tavorin_library name)
  cmake_parse_arguments(ARG "QT;QTCORE;SUPPORT" "" "SOURCES;DEPS" ${ARGN})
  _tavorin_header_root(root)
  if(NOT ARG_SUPPORT)
    list(FIND TAVORIN_LAYERS ${name} rank)
    if(rank EQUAL -1)
      message(FATAL_ERROR "Library ${name} is not in the layer table (cmake/Layers.cmake)")
    endif()
    list(FIND TAVORIN_LAYERS ${TAVORIN_FIRST_QT_LIBRARY} firstQt)
    if((ARG_QT OR ARG_QTCORE) AND rank LESS firstQt)
      message(FATAL_ERROR "${name} is a logic library: it may not link Qt (cmake/Layers.cmake)")
    endif()
    foreach(dep IN LISTS ARG_DEPS)
      list(FIND TAVORIN_LAYERS ${dep} depRank)
      if(dep MATCHES "^Qt[0-9]*::")
        message(FATAL_ERROR "${name}: Qt comes through QT (windows) or QTCORE, not DEPS")
      elseif(depRank EQUAL -1 AND NOT dep MATCHES "::")
        # Only the system's own imported targets (Threads::Threads) stand
        # outside the table.
        message(FATAL_ERROR "${name} may not link ${dep}: it is not in cmake/Layers.cmake")
      elseif(depRank GREATER_EQUAL rank)
        message(FATAL_ERROR "${name} may not link ${dep}: it is not below it in cmake/Layers.cmake")
      endif()
    endforeach()
  endif()
  if(ARG_SOURCES)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${root})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${root})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
  if(ARG_QT)
    target_link_libraries(${name} PUBLIC Qt6::Widgets)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  elseif(ARG_QTCORE)
    target_link_libraries(${name} PUBLIC Qt6::Core)
  endif()
endfunction()

# Windows are tested on the offscreen platform, on a screen of 1024 x 768,
# the smallest the program's windows are made for (Qt's own offscreen screen
# is 800 x 800). The tests find the shipped data and the build's program
# folder by themselves: tests/support.
set(TAVORIN_TEST_SCREEN ${CMAKE_BINARY_DIR}/test-screen-1024x768.json)
file(WRITE ${TAVORIN_TEST_SCREEN}
     "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": 1024, \"height\": 768}]}\n")
set(TAVORIN_TEST_ENVIRONMENT QT_QPA_PLATFORM=offscreen:configfile=${TAVORIN_TEST_SCREEN})

function(_tavorin_test_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  _tavorin_header_root(root)
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${root})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} testsupport)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endfunction()

# tavorin_gtest(<name> SOURCES <files...> DEPS <targets...> [ENVIRONMENT <VAR=value>] [COST <seconds>] [EACH_CASE])
#   A GoogleTest binary over GUI-free libraries, run whole as one ctest
#   entry named <name>: its cases take milliseconds, and a process each cost
#   more than the cases themselves. EACH_CASE makes every case an entry of
#   its own (found in the binary when ctest runs), for a binary whose cases
#   take up to seconds each, so that they run side by side. COST starts the binary, or
#   its cases, before the others in a run that has measured none yet.
function(tavorin_gtest name)
  cmake_parse_arguments(ARG "EACH_CASE" "COST" "SOURCES;DEPS;ENVIRONMENT" ${ARGN})
  _tavorin_test_executable(${name} SOURCES ${ARG_SOURCES} DEPS ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(NOT ARG_EACH_CASE)
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_ENVIRONMENT)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
    endif()
    if(ARG_COST)
      set_tests_properties(${name} PROPERTIES COST ${ARG_COST})
    endif()
    return()
  endif()
  # The discovery passes one variable only (it splits a list).
  set(properties)
  if(ARG_ENVIRONMENT)
    list(APPEND properties ENVIRONMENT ${ARG_ENVIRONMENT})
  endif()
  if(ARG_COST)
    list(APPEND properties COST ${ARG_COST})
  endif()
  if(properties)
    list(PREPEND properties PROPERTIES)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_PREFIX ${name}. ${properties})
endfunction()

# tavorin_qtest(<name> SOURCES <files...> DEPS <targets...> [ENVIRONMENT <VAR=value...>])
#   A Qt Test binary for windows, on the offscreen platform, run whole as
#   one ctest entry named <name>: a window binary's start costs more than
#   most of its functions. One function alone: <binary> <function>.
function(tavorin_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;ENVIRONMENT" ${ARGN})
  _tavorin_test_executable(${name} SOURCES ${ARG_SOURCES} DEPS ${ARG_DEPS} Qt6::Test Qt6::Widgets)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  set(environment ${TAVORIN_TEST_ENVIRONMENT} ${ARG_ENVIRONMENT})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()

# tavorin_xvfb_test(<name> <target> [ARGS <args...>] [COST <seconds>] [ENVIRONMENT <VAR=value...>])
#   A picture run of a test program on a real X server (xvfb-run, the xcb
#   platform): its pictures land in the build tree's screenshots folder
#   (TAVORIN_SCREENSHOTS), to be looked at.
function(tavorin_xvfb_test name target)
  cmake_parse_arguments(ARG "" "COST" "ARGS;ENVIRONMENT" ${ARGN})
  add_test(NAME ${name} COMMAND xvfb-run -a $<TARGET_FILE:${target}> ${ARG_ARGS})
  set(environment QT_QPA_PLATFORM=xcb TAVORIN_QUIET=1 TAVORIN_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots
                  ${ARG_ENVIRONMENT})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
  if(ARG_COST)
    set_tests_properties(${name} PROPERTIES COST ${ARG_COST})
  endif()
endfunction()
