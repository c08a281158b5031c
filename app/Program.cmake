# The program: linked after every feature folder has defined its targets. Each feature library
# ambrelis_<feature>_windows registers its windows through register<Feature>Windows; every one is required.
set(_registrations "")
set(_feature_libraries "")
foreach(feature catalogue pages indications print mail companion settings)
    if(NOT TARGET ambrelis_${feature}_windows)
        message(FATAL_ERROR "The program needs the library ambrelis_${feature}_windows, which no folder defines")
    endif()
    list(APPEND _feature_libraries ambrelis_${feature}_windows)
    ambrelis_registration_function(_function ${feature})
    list(APPEND _registrations ${_function})
endforeach()
ambrelis_write_registrations("${CMAKE_BINARY_DIR}/FeatureWindows.cpp" registerFeatureWindows ${_registrations})
add_library(ambrelis_features STATIC "${CMAKE_BINARY_DIR}/FeatureWindows.cpp" "${CMAKE_CURRENT_LIST_DIR}/Program.cpp")
target_link_libraries(ambrelis_features PUBLIC ambrelis_shell ${_feature_libraries})

add_executable(Ambrelis "${CMAKE_CURRENT_LIST_DIR}/main.cpp")
target_link_libraries(Ambrelis PRIVATE ambrelis_features)
set_target_properties(Ambrelis PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${AMBRELIS_APPDIR}")

# One application folder (the program and its data files side by side), a menu entry and an icon.
include(GNUInstallDirs)
set(AMBRELIS_INSTALL_APPDIR "${CMAKE_INSTALL_LIBDIR}/ambrelis")
install(TARGETS Ambrelis RUNTIME DESTINATION "${AMBRELIS_INSTALL_APPDIR}")
install(DIRECTORY "${AMBRELIS_APPDIR}/" DESTINATION "${AMBRELIS_INSTALL_APPDIR}"
        FILES_MATCHING PATTERN "*.mdb" PATTERN "*.rtf")
set(AMBRELIS_INSTALLED_PROGRAM "${CMAKE_INSTALL_PREFIX}/${AMBRELIS_INSTALL_APPDIR}/Ambrelis")
configure_file("${CMAKE_CURRENT_LIST_DIR}/ambrelis.desktop.in" "${CMAKE_BINARY_DIR}/ambrelis.desktop" @ONLY)
install(FILES "${CMAKE_BINARY_DIR}/ambrelis.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
if(EXISTS "${CMAKE_SOURCE_DIR}/content/pictures/app-icon.svg")
    install(FILES "${CMAKE_SOURCE_DIR}/content/pictures/app-icon.svg"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps" RENAME ambrelis.svg)
endif()
