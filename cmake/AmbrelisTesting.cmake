# Helpers that register tests with CTest. Every Qt test runs on the offscreen platform, so no display is needed.

# ambrelis_add_qt_test(<name> SOURCES ... LIBS ...)
function(ambrelis_add_qt_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;AMBRELIS_SHARED_FIXTURES=${AMBRELIS_SHARED_FIXTURES}"
        TIMEOUT 600)
endfunction()

# ambrelis_add_gtest(<name> SOURCES ... LIBS ...)
function(ambrelis_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    find_package(GTest REQUIRED)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "AMBRELIS_SHARED_FIXTURES=${AMBRELIS_SHARED_FIXTURES}"
        TIMEOUT 600)
endfunction()

# Sample files made by other programs live outside the project; tests skip when the folder is absent.
get_filename_component(_shared "${CMAKE_SOURCE_DIR}/../shared/fixtures" ABSOLUTE)
set(AMBRELIS_SHARED_FIXTURES "${_shared}" CACHE PATH "Folder of sample files made by other programs")
