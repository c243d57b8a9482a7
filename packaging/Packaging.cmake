# Installs the program's desktop entry, icons and README beside the program
# (ui/CMakeLists.txt installs the program), and lets CPack turn all of it into a .deb.
include(GNUInstallDirs)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/plakmund.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN ITEMS 16 32 48 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/plakmund-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME plakmund.png)
endforeach()
# CMAKE_INSTALL_DOCDIR would be share/doc/Plakmund, after the project's name.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/plakmund)

set(PLAKMUND_PACKAGE_MAINTAINER "Plakmund developers <plakmund@example.org>"
    CACHE STRING "Maintainer field of the .deb package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plakmund)
# The project's fourth version number is not part of the package version.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "EPROM image builder for the Kestrix C64 multi-game cartridge")
# The long description, wrapped to fit the 80 columns that apt shows.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Plakmund puts up to sixteen Commodore 64 cartridge games (.crt images or"
    "raw .bin ROM dumps of at most 16 KB each) into one EPROM image for the"
    "Kestrix multi-game cartridge board, and writes a listing beside it.")
set(CPACK_PACKAGE_CONTACT ${PLAKMUND_PACKAGE_MAINTAINER})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # plakmund_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PLAKMUND_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Architecture: CPack asks dpkg --print-architecture. Depends: dpkg-shlibdeps reads the
# libraries the stripped program links and names the packages that provide them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
