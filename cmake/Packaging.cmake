# Installing the game and packing it for Debian (`make package`: cpack -G DEB).
#
# The layout is Debian's for a game, the same under any prefix: the programs in games/, the
# pictures, sounds and music in share/games/gnamm (where the installed game looks, beside
# itself), the menu entry, icons, software centre entry, manual pages, changelog and copyright
# in their usual places under share/.
set(GNAMM_INSTALL_GAMES_DIR games CACHE STRING "Where the programs are installed, under the prefix")
set(GNAMM_INSTALL_DATA_DIR share/games/gnamm CACHE STRING
    "Where the pictures, sounds and music are installed, under the prefix")
set(GNAMM_APPSTREAM_ID it.gnamm.gnamm)
set(dist ${PROJECT_SOURCE_DIR}/dist)

# The changelog names the version the package carries: they must agree.
file(STRINGS ${dist}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^gnamm \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "dist/changelog does not start with version ${PROJECT_VERSION}")
endif()
if(GNAMM_ASSETS AND NOT GNAMM_CARD_DECK STREQUAL "svg-nicu-white")
    message(WARNING "dist/copyright names the card deck svg-nicu-white, not ${GNAMM_CARD_DECK}: "
                    "mend it before shipping a package of this build")
endif()

install(TARGETS gnamm gnamm-sim RUNTIME DESTINATION ${GNAMM_INSTALL_GAMES_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/assets/ DESTINATION ${GNAMM_INSTALL_DATA_DIR} OPTIONAL)
install(FILES ${dist}/gnamm.desktop DESTINATION share/applications)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION share/icons OPTIONAL)
install(FILES ${dist}/${GNAMM_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${dist}/copyright DESTINATION share/doc/gnamm)

# The manual pages (with the version filled in) and the changelog go compressed, without a
# time stamp in the gzip header: the same sources make the same package.
find_program(GNAMM_GZIP gzip REQUIRED)
set(compressed)
foreach(source gnamm.6 gnamm-sim.6 changelog)
    set(staged ${CMAKE_BINARY_DIR}/dist/staged/${source})
    if(source STREQUAL "changelog")
        configure_file(${dist}/${source} ${staged} COPYONLY)
    else()
        configure_file(${dist}/${source} ${staged} @ONLY)
    endif()
    set(out ${CMAKE_BINARY_DIR}/dist/${source}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E copy ${staged} ${CMAKE_BINARY_DIR}/dist/${source}
        COMMAND ${GNAMM_GZIP} -9nf ${CMAKE_BINARY_DIR}/dist/${source}
        DEPENDS ${staged}
        VERBATIM)
    list(APPEND compressed ${out})
endforeach()
add_custom_target(gnamm_dist_files ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/dist/gnamm.6.gz ${CMAKE_BINARY_DIR}/dist/gnamm-sim.6.gz
        DESTINATION share/man/man6)
install(FILES ${CMAKE_BINARY_DIR}/dist/changelog.gz DESTINATION share/doc/gnamm)

# What `make package` builds before packing: the programs, the assets, the icons, the pages.
add_custom_target(gnamm_packaged DEPENDS gnamm gnamm-sim gnamm_dist_files)
foreach(asset_target assets_pictures assets_sounds)
    if(TARGET ${asset_target})
        add_dependencies(gnamm_packaged ${asset_target})
    endif()
endforeach()
# Packing takes what is built; it does not build the tests and benchmarks first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gnamm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card game against Nonno Zeb, an old cowboy of the Far West")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Gnamm is a fishing card game of the Scopa family for one player against
Nonno Zeb, an old cowboy of a Far West saloon, played with a 40-card French
deck. A card captures a table card of equal value or, when there is none,
cards that add up to it; clearing the table scores a Punto Gnamm.
.
Nonno Zeb plays at three levels, comments on the play with his voice, a
speech bubble and a photo, and keeps a ranking of the players who beat him.
The game is in Italian.")
set(GNAMM_MAINTAINER "The Gnamm developers <gnamm@example.org>" CACHE STRING
    "The package's maintainer")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GNAMM_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries from dpkg-shlibdeps; then what the game opens by path at run time: the fonts
# and the sound font the music plays through.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra, timgm6mb-soundfont")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)

# The package made from this build, unpacked into a throw-away root and started there. It needs
# the assets (the sanitizer build goes without them), dpkg's tools and an X server to start in.
find_program(GNAMM_DPKG_DEB dpkg-deb)
find_program(GNAMM_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(GNAMM_XVFB Xvfb)
find_program(GNAMM_XDOTOOL xdotool)
find_program(GNAMM_IDENTIFY identify)
if(GNAMM_ASSETS AND NOT GNAMM_SANITIZE AND GNAMM_DPKG_DEB AND GNAMM_DPKG_SHLIBDEPS AND GNAMM_XVFB
   AND GNAMM_XDOTOOL AND GNAMM_IDENTIFY)
    add_test(NAME debian_package
             COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/debian_package.sh ${CMAKE_BINARY_DIR}
                     ${CMAKE_BINARY_DIR}/e2e-screens-package)
    set_tests_properties(debian_package PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endif()
