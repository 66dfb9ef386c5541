# Conventions that keep the CMake files out of everyone's way:
#   src/<subsystem>/*.cpp       portable code (no <windows.h>) -> zentavo_portable (both builds)
#   src/<subsystem>/win/*.cpp   Win32 code                     -> zentavo_win (Windows build)
#   tests/native/<suite>/*.cpp  -> test executable native_<suite>, run directly
#   tests/win/<suite>/*.cpp     -> test executable win_<suite>, run under Wine
#   tools/<tool>/CMakeLists.txt  one per tool

function(zentavo_test_suites kind libraries)
  file(GLOB suites LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/*")
  foreach(dir IN LISTS suites)
    if(NOT IS_DIRECTORY "${dir}")
      continue()
    endif()
    get_filename_component(suite "${dir}" NAME)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
    if(NOT sources)
      continue()
    endif()
    set(target ${kind}_${suite})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${libraries} GTest::gmock GTest::gtest_main zentavo_warnings)
    target_include_directories(${target} PRIVATE "${CMAKE_SOURCE_DIR}/tests" "${CMAKE_SOURCE_DIR}/src")
    target_compile_definitions(${target} PRIVATE
      ZENTAVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ZENTAVO_BINARY_DIR="${CMAKE_BINARY_DIR}")
    if(WIN32)
      target_link_options(${target} PRIVATE -mconsole)
    endif()
    # Reports are read by scripts/test-summary.sh; under Wine the Unix root is drive Z:.
    set(report "${CMAKE_BINARY_DIR}/test-results/${target}.xml")
    if(WIN32)
      set(report "Z:${report}")
    endif()
    add_test(NAME ${target} COMMAND ${target} --gtest_output=xml:${report})
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/test-results")
    set_tests_properties(${target} PROPERTIES TIMEOUT 900 LABELS ${kind})
  endforeach()
endfunction()

if(WIN32 AND CMAKE_CROSSCOMPILING)
  # Windows executables run under Wine in this build's own prefix, kept across runs.
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
endif()

# A test suite that runs a built tool needs the tool built first. Tools are read before the
# test suites exist, so the dependency is added once the whole tree has been read. (The
# values are written into the deferred call, which would otherwise read them too late.)
function(zentavo_tests_use_tool suite tool)
  cmake_language(EVAL CODE
    "cmake_language(DEFER DIRECTORY \"${CMAKE_SOURCE_DIR}\" CALL zentavo_add_tool_dependency ${suite} ${tool})")
endfunction()

function(zentavo_add_tool_dependency suite tool)
  if(TARGET ${suite} AND TARGET ${tool})
    add_dependencies(${suite} ${tool})
  endif()
endfunction()
