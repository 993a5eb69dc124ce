# Shared helpers for the project's targets.

# Warnings for our own code only.
function(volarin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# A library made of every .cpp/.h in the calling folder (main.cpp excluded).
# A library is its folder with the sub-folders by role inside it; each folder
# is on the include path, so a unit is included by its name wherever it lies
# (scripts/check-includes holds the order the sub-folders may include in).
function(volarin_library target)
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER _src EXCLUDE REGEX "/main\\.cpp$")
  add_library(${target} STATIC ${_src})
  set(_dirs ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(_file ${_src})
    get_filename_component(_dir ${_file} DIRECTORY)
    list(APPEND _dirs ${_dir})
  endforeach()
  list(REMOVE_DUPLICATES _dirs)
  target_include_directories(${target} PUBLIC ${_dirs})
  volarin_warnings(${target})
endfunction()

# Under a sanitizer every test, and the children it starts (the program, a
# test driver), reads the suppressions for the libraries built without the
# checker. (One variable only: a list would be split into separate
# properties. AddressSanitizer and UndefinedBehaviorSanitizer stop at their
# first finding as built; scripts/test-sanitizers adds stack traces.)
set(VOLARIN_SANITIZER_ENVIRONMENT)
if(VOLARIN_TSAN)
  set(VOLARIN_SANITIZER_ENVIRONMENT
      "TSAN_OPTIONS=set:suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/tsan.supp")
elseif(VOLARIN_ASAN)
  set(VOLARIN_SANITIZER_ENVIRONMENT
      "LSAN_OPTIONS=set:suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0")
endif()
function(volarin_sanitizer_environment name)
  if(VOLARIN_SANITIZER_ENVIRONMENT)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT_MODIFICATION "${VOLARIN_SANITIZER_ENVIRONMENT}")
  endif()
endfunction()

# A GoogleTest binary made of every .cpp in the calling folder and its
# sub-folders (those named in EXCLUDE, built on their own, left out), linked
# with the shared test main. The folder is on the include path, so tests in a
# sub-folder include its shared helpers by name. Discovery happens when ctest
# runs, never at build time, so building needs no display. TEST_FILTER (a
# --gtest_filter pattern) limits the tests registered here, e.g. to register
# some again with other properties.
function(volarin_test target)
  cmake_parse_arguments(VT "" "TEST_FILTER" "LIBS;LABELS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(_dir ${VT_EXCLUDE})
    list(FILTER _src EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${_dir}/")
  endforeach()
  add_executable(${target} ${_src})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE test_support ${VT_LIBS})
  volarin_warnings(${target})
  # One variable only: a list here would be split into separate properties.
  # The shared test main picks the offscreen platform itself.
  set(_props ENVIRONMENT "VOLARIN_BUILD_DIR=${CMAKE_BINARY_DIR}")
  if(VT_LABELS)
    list(APPEND _props LABELS "${VT_LABELS}")
  endif()
  if(VOLARIN_SANITIZER_ENVIRONMENT)
    list(APPEND _props ENVIRONMENT_MODIFICATION "${VOLARIN_SANITIZER_ENVIRONMENT}")
  endif()
  set(_filter)
  if(VT_TEST_FILTER)
    set(_filter TEST_FILTER "${VT_TEST_FILTER}")
  endif()
  gtest_discover_tests(${target}
    TEST_PREFIX "${target}."
    ${_filter}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${_props})
endfunction()

# The real program speaks the language of whoever runs the tests: those that
# read its words read them in English.
function(volarin_english name)
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT_MODIFICATION "LANGUAGE=set:en")
endfunction()

# A test command run under a throw-away X server (xvfb-run -a picks a free
# display). Two xvfb-run started together can pick the same display, so these
# tests never run at the same time; tests/support/xvfb_test.sh keeps the server
# from resetting between clients and waits for it to exit.
function(volarin_xvfb_test name)
  add_test(NAME ${name}
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/support/xvfb_test.sh ${ARGN})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "VOLARIN_BUILD_DIR=${CMAKE_BINARY_DIR}"
    LABELS "xvfb" TIMEOUT 300 RESOURCE_LOCK xvfb-run)
  volarin_english(${name})
  volarin_sanitizer_environment(${name})
endfunction()

# Tests of a test binary (a --gtest_filter pattern) on a real accessibility bus,
# in a D-Bus session of their own; they count as skipped where no bus starts.
function(volarin_a11y_test name target filter)
  add_test(NAME ${name}
           COMMAND dbus-run-session -- bash ${PROJECT_SOURCE_DIR}/tests/controls/with_accessibility_bus.sh
                   $<TARGET_FILE:${target}> --gtest_filter=${filter})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "VOLARIN_BUILD_DIR=${CMAKE_BINARY_DIR}" LABELS "xvfb" TIMEOUT 300 SKIP_RETURN_CODE 77)
  volarin_english(${name})
  volarin_sanitizer_environment(${name})
endfunction()
