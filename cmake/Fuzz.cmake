# The fuzz build (-DTAVORIN_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++, in a build
# folder of its own): every target compiled for libFuzzer with
# AddressSanitizer and UndefinedBehaviorSanitizer, the tests left out, and
# one fuzz target per reader of outside input (tests/fuzz). Only the target
# `fuzz` and what it needs are built; the windows are configured, never built.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz build needs clang: -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)

# tavorin_fuzz(<name> DEPS <libraries...>): the fuzz target fuzz_<name> from
# tests/fuzz/<name>.cpp, which defines LLVMFuzzerTestOneInput. Its seeds are
# tests/fuzz/corpus/<name>/.
function(tavorin_fuzz name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  _tavorin_header_root(root)
  add_executable(fuzz_${name} ${name}.cpp)
  target_include_directories(fuzz_${name} PRIVATE ${root})
  target_link_libraries(fuzz_${name} PRIVATE ${ARG_DEPS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_dependencies(fuzz fuzz_${name})
endfunction()
