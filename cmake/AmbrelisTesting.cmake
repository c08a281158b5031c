# Helpers that register tests with CTest. Every Qt test runs on the offscreen platform, so no display is needed.
#
# Each test has a time limit a few times its real time, so that a hang shows at once instead of after
# CTest's ten minutes: TIMEOUT <seconds> in the call for a test that takes seconds, the default below for the
# many that take well under one. The seconds are those of an optimised build; sanitizer builds run several
# times slower, and their limits are multiplied by AMBRELIS_TEST_TIME_SCALE.
set(AMBRELIS_TEST_TIMEOUT 15 CACHE STRING "Time limit in seconds of a test that names none of its own")
if(AMBRELIS_SANITIZE)
    set(_scale 5)
elseif(CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(_scale 2)
else()
    set(_scale 1)
endif()
# A factor of one's own can be given with -DAMBRELIS_TEST_TIME_SCALE=N.
if(NOT DEFINED AMBRELIS_TEST_TIME_SCALE)
    set(AMBRELIS_TEST_TIME_SCALE ${_scale})
endif()

function(_ambrelis_register_test name timeout environment)
    if(NOT timeout)
        set(timeout ${AMBRELIS_TEST_TIMEOUT})
    endif()
    math(EXPR scaled "${timeout} * ${AMBRELIS_TEST_TIME_SCALE}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${scaled})
endfunction()

# ambrelis_add_qt_test(<name> SOURCES ... LIBS ... [TIMEOUT seconds])
function(ambrelis_add_qt_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    _ambrelis_register_test(${name} "${ARG_TIMEOUT}"
        "QT_QPA_PLATFORM=offscreen;AMBRELIS_SHARED_FIXTURES=${AMBRELIS_SHARED_FIXTURES}")
endfunction()

# ambrelis_add_gtest(<name> SOURCES ... LIBS ... [TIMEOUT seconds])
function(ambrelis_add_gtest name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    find_package(GTest REQUIRED)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${ARG_LIBS})
    _ambrelis_register_test(${name} "${ARG_TIMEOUT}" "AMBRELIS_SHARED_FIXTURES=${AMBRELIS_SHARED_FIXTURES}")
endfunction()

# Sample files made by other programs live outside the project; tests skip when the folder is absent.
get_filename_component(_shared "${CMAKE_SOURCE_DIR}/../shared/fixtures" ABSOLUTE)
set(AMBRELIS_SHARED_FIXTURES "${_shared}" CACHE PATH "Folder of sample files made by other programs")

# Every test of the build has a time limit of its own, checked as a test of its own.
math(EXPR _maxSeconds "120 * ${AMBRELIS_TEST_TIME_SCALE}")
add_test(NAME test_time_limits
    COMMAND ${CMAKE_COMMAND} -DCTEST=${CMAKE_CTEST_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DMAX_SECONDS=${_maxSeconds} -P ${CMAKE_CURRENT_LIST_DIR}/CheckTestTimeLimits.cmake)
set_tests_properties(test_time_limits PROPERTIES TIMEOUT 30)

# Every file of the project says under which licence it stands (.reuse/dep5, LICENSES/).
add_test(NAME licences_test
    COMMAND sh -c "command -v reuse >/dev/null || { echo 'reuse is not installed: licences not checked'; exit 77; }; reuse --root \"$1\" lint" sh "${CMAKE_SOURCE_DIR}")
set_tests_properties(licences_test PROPERTIES TIMEOUT 30 SKIP_RETURN_CODE 77)
