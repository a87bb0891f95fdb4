# Installation into the standard places and the window icon as a resource.
#
#   cmake --install <build> [--prefix /usr]        the program, desktop entry, icons, metainfo

include(GNUInstallDirs)

set(CINQUEVOLE_APP_ID io.github.cinquevole.Cinquevole)
set(CINQUEVOLE_ICON_SIZES 16 24 32 48 64 128 256)
set(_pkg ${CMAKE_CURRENT_LIST_DIR})

# The icon in the program itself. PNG renditions rather than the SVG: Qt needs a separate plugin
# to read SVG, which no library link would pull in as a package dependency.
set(_icon_pngs)
foreach(size IN LISTS CINQUEVOLE_ICON_SIZES)
    list(APPEND _icon_pngs ${_pkg}/icons/hicolor/${size}x${size}/apps/${CINQUEVOLE_APP_ID}.png)
endforeach()

add_library(cinquevole_identity STATIC ${_pkg}/identity/app_identity.cpp)
target_include_directories(cinquevole_identity PUBLIC ${_pkg})
target_compile_definitions(cinquevole_identity PRIVATE CINQUEVOLE_APP_ID="${CINQUEVOLE_APP_ID}")
target_link_libraries(cinquevole_identity PUBLIC Qt6::Gui PRIVATE cinquevole_warnings)
qt_add_resources(cinquevole_identity cinquevole_icons
    PREFIX /cinquevole
    BASE ${_pkg}
    FILES ${_icon_pngs})

# Desktop integration, installed under the reverse-DNS id.
install(FILES ${_pkg}/${CINQUEVOLE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_pkg}/${CINQUEVOLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_pkg}/icons/hicolor/scalable/apps/${CINQUEVOLE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS CINQUEVOLE_ICON_SIZES)
    install(FILES ${_pkg}/icons/hicolor/${size}x${size}/apps/${CINQUEVOLE_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

if(CINQUEVOLE_TESTS)
    add_executable(app_identity_test ${_pkg}/tests/app_identity_test.cpp)
    set_target_properties(app_identity_test PROPERTIES AUTOMOC ON)
    target_link_libraries(app_identity_test PRIVATE cinquevole_identity Qt6::Test
                                                    cinquevole_warnings)
    add_test(NAME app_identity_test COMMAND app_identity_test)
    set_tests_properties(app_identity_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

    # Installs into a scratch folder and checks the tree: file list, desktop entry and metainfo
    # through their validators, names that refer to each other. Skipped when a validator is missing.
    add_test(NAME packaging_install_tree
             COMMAND ${_pkg}/check-install.sh ${PROJECT_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(packaging_install_tree PROPERTIES SKIP_RETURN_CODE 77)
endif()
