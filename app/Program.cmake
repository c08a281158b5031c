# The program: linked after every feature folder has defined its targets. Each feature library
# ambrelis_<feature>_windows registers its windows through register<Feature>Windows; every one is required.
set(_registrations "")
set(_feature_libraries "")
foreach(feature catalogue pages indications print mail companion settings blend find)
    if(NOT TARGET ambrelis_${feature}_windows)
        message(FATAL_ERROR "The program needs the library ambrelis_${feature}_windows, which no folder defines")
    endif()
    list(APPEND _feature_libraries ambrelis_${feature}_windows)
    ambrelis_registration_function(_function ${feature})
    list(APPEND _registrations ${_function})
endforeach()
ambrelis_write_registrations("${CMAKE_BINARY_DIR}/FeatureWindows.cpp" registerFeatureWindows ${_registrations})
add_library(ambrelis_features STATIC "${CMAKE_BINARY_DIR}/FeatureWindows.cpp" "${CMAKE_CURRENT_LIST_DIR}/Program.cpp"
            "${CMAKE_CURRENT_LIST_DIR}/EarlyReading.cpp" "${CMAKE_CURRENT_LIST_DIR}/EarlyReading.h")
target_link_libraries(ambrelis_features PUBLIC ambrelis_shell ${_feature_libraries})

# The scripted run (app/script/ScriptedRun.h) drives the program's windows; it has no windows of its own.
add_library(ambrelis_script STATIC "${CMAKE_CURRENT_LIST_DIR}/script/ScriptedRun.cpp"
            "${CMAKE_CURRENT_LIST_DIR}/script/ScriptedRun.h")
target_link_libraries(ambrelis_script PUBLIC ambrelis_shell)

add_executable(Ambrelis "${CMAKE_CURRENT_LIST_DIR}/main.cpp")
target_link_libraries(Ambrelis PRIVATE ambrelis_features ambrelis_script)
# One name for the program file, in the build tree and installed: the name a user types and the menu entry starts.
set_target_properties(Ambrelis PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${AMBRELIS_APPDIR}" OUTPUT_NAME ambrelis)

# The installed layout, the menu entry and the package.
include("${CMAKE_CURRENT_LIST_DIR}/install/Install.cmake")
