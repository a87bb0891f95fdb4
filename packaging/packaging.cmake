# Installation into the standard places, the window icon as a resource, and the Debian package.
#
#   cmake --install <build> [--prefix /usr]        the program, desktop entry, icons, metainfo
#   cd <build> && cpack -G DEB                      cinquevole_<version>_<arch>.deb
#   packaging/check-deb.sh                          builds, inspects, installs, starts, removes it

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
    set_tests_properties(app_identity_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                                                       LABELS "widget")

    # Installs into a scratch folder and checks the tree: file list, desktop entry and metainfo
    # through their validators, names that refer to each other. Skipped when a validator is missing.
    add_test(NAME packaging_install_tree
             COMMAND ${_pkg}/check-install.sh ${PROJECT_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(packaging_install_tree PROPERTIES SKIP_RETURN_CODE 77 LABELS "packaging")
endif()

# The Debian package: cpack -G DEB in a release build.
set(CPACK_PACKAGE_NAME cinquevole)
set(CPACK_PACKAGE_VENDOR "Cinquevole")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Les développeurs de Cinquevole <cinquevole@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five in a row on squared paper / cinq points alignés sur une feuille quadrillée")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack puts the summary above these paragraphs as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Place your points on the crossings of a squared sheet and be the first to
align five of them across, down or on a diagonal. Play against the computer
at three levels, or against a friend at the same machine.

Posez vos points sur les croisements d'une feuille quadrillée et soyez le
premier à en aligner cinq, en ligne, en colonne ou en diagonale. Jouez contre
l'ordinateur, à trois niveaux, ou contre un ami sur la même machine.]=])
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/\\\\.cache/")
include(CPack)
