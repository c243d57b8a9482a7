# Installs what the desktop and Debian expect beside the program (ui/CMakeLists.txt
# installs the program): desktop entry, icons, AppStream metainfo, file types, manual
# pages, bash completion, README, copyright and changelog; and lets CPack turn all of
# it into a .deb.
# The desktop entry and the metainfo are named after PLAKMUND_APP_ID, which the
# top-level CMakeLists.txt sets.
include(GNUInstallDirs)

# One manual page per installed program, in packaging/man/, named NAME.SECTION.
set(PLAKMUND_MAN_PAGES plakmund.1 plakmund-build.1)
# CMAKE_INSTALL_DOCDIR would be share/doc/Plakmund, after the project's name.
set(plakmund_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/plakmund)
# The fourth version number is not part of the package version.
set(plakmund_package_version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})

# The changelog and the metainfo name the version too: stop before a package goes out
# whose documents disagree with its version.
file(READ ${CMAKE_CURRENT_LIST_DIR}/changelog changelog LIMIT 200)
string(REGEX MATCH "^plakmund \\(([^)]*)\\)" changelog_top "${changelog}")
if(NOT CMAKE_MATCH_1 STREQUAL plakmund_package_version)
    message(FATAL_ERROR "the newest entry in packaging/changelog is for version '${CMAKE_MATCH_1}', "
                        "not ${plakmund_package_version}")
endif()
file(READ ${CMAKE_CURRENT_LIST_DIR}/${PLAKMUND_APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<releases>[ \t\r\n]*<release version=\"${plakmund_package_version}\"")
    message(FATAL_ERROR "the newest release in packaging/${PLAKMUND_APP_ID}.metainfo.xml "
                        "is not version ${plakmund_package_version}")
endif()
# Its id and launchable are the id that names the desktop entry and the program's
# windows, or desktops show the window apart from its entry.
if(NOT metainfo MATCHES "<id>${PLAKMUND_APP_ID}</id>"
   OR NOT metainfo MATCHES "<launchable type=\"desktop-id\">${PLAKMUND_APP_ID}\\.desktop</launchable>")
    message(FATAL_ERROR "packaging/${PLAKMUND_APP_ID}.metainfo.xml: its id or its launchable "
                        "is not ${PLAKMUND_APP_ID}")
endif()
# So does each manual page's footer, in its .TH line.
foreach(page IN LISTS PLAKMUND_MAN_PAGES)
    file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/man/${page} title REGEX "^\\.TH ")
    if(NOT title MATCHES "\"Plakmund ${plakmund_package_version}\"")
        message(FATAL_ERROR "packaging/man/${page} does not name Plakmund ${plakmund_package_version} "
                            "in its .TH line: ${title}")
    endif()
endforeach()

# Debian keeps manual pages and changelogs compressed with gzip -9n: without the
# name and time stamp, so that the same sources give the same package.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(plakmund_gzipped)
function(plakmund_gzip source name)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name})
    add_custom_command(OUTPUT ${output}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${output}
        COMMAND gzip -9nf ${output}
        DEPENDS ${source}
        VERBATIM)
    set(plakmund_gzipped ${plakmund_gzipped} ${output}.gz PARENT_SCOPE)
endfunction()

foreach(page IN LISTS PLAKMUND_MAN_PAGES)
    plakmund_gzip(${CMAKE_CURRENT_LIST_DIR}/man/${page} ${page})
    string(REGEX REPLACE "^.*\\.([0-9])$" "\\1" section ${page})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${page}.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
plakmund_gzip(${CMAKE_CURRENT_LIST_DIR}/changelog changelog)
add_custom_target(plakmund_compressed_docs ALL DEPENDS ${plakmund_gzipped})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${PLAKMUND_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN ITEMS 16 32 48 128 256 512)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/plakmund-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME plakmund.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${PLAKMUND_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/plakmund-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME plakmund.xml)

# Bash completion for plakmund-build, in the folder from which bash-completion loads
# a command's completion on its first Tab: the one its pkg-config file names, below
# the install prefix, or else its usual place.
set(plakmund_completionsdir ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
    pkg_get_variable(bash_completion_prefix bash-completion prefix)
    pkg_get_variable(bash_completion_dir bash-completion completionsdir)
    if(bash_completion_prefix AND bash_completion_dir)
        cmake_path(IS_PREFIX bash_completion_prefix "${bash_completion_dir}" NORMALIZE under_prefix)
        if(under_prefix)
            cmake_path(RELATIVE_PATH bash_completion_dir BASE_DIRECTORY "${bash_completion_prefix}"
                       OUTPUT_VARIABLE plakmund_completionsdir)
        endif()
    endif()
endif()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/bash-completion/plakmund-build
        DESTINATION ${plakmund_completionsdir})

# What lintian reports that is not so, each with its reason.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME plakmund)

# The README shows the screenshots, so they go with it.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_LIST_DIR}/copyright
              ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${plakmund_docdir})
install(FILES ${PROJECT_SOURCE_DIR}/docs/screenshot.png ${PROJECT_SOURCE_DIR}/docs/screenshot-scale2.png
        DESTINATION ${plakmund_docdir}/docs)

set(PLAKMUND_PACKAGE_MAINTAINER "Plakmund developers <plakmund@example.org>"
    CACHE STRING "Maintainer field of the .deb package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plakmund)
set(CPACK_PACKAGE_VERSION ${plakmund_package_version})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "EPROM image builder for the Kestrix C64 multi-game cartridge")
# The long description, wrapped to fit the 80 columns that apt shows.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Plakmund puts up to sixteen Commodore 64 cartridge games (.crt images or"
    "raw .bin ROM dumps of at most 16 KB each) into one EPROM image for the"
    "Kestrix multi-game cartridge board, and writes a listing beside it."
    "plakmund-build builds the same image from a set file without a window.")
set(CPACK_PACKAGE_CONTACT ${PLAKMUND_PACKAGE_MAINTAINER})
# packaging/strip.cmake strips the programs, for CPack's own stripping leaves the
# sections that name the compiler in.
set(CPACK_PLAKMUND_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # plakmund_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PLAKMUND_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Architecture: CPack asks dpkg --print-architecture. Depends: dpkg-shlibdeps reads the
# libraries the stripped program links and names the packages that provide them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libqt6gui6 holds the X11 platform plugin; on Wayland the window opens natively, by
# its app id, where Qt's Wayland plugin is installed, and through XWayland otherwise.
# Qt's own translations give its dialogs and standard buttons the words of the
# program's language; without them those stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
