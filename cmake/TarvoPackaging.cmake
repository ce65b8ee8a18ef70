# What the installed program brings beside its executables, and the Debian package of it.
include(GNUInstallDirs)

# The sample working folder: settings, satellite and location catalogues. The help
# document is installed beside this folder by the help viewer's library;
# bin/sng-tarvo-start copies both into a new working folder.
install(FILES
            ${PROJECT_SOURCE_DIR}/samples/tarvo.ini
            ${PROJECT_SOURCE_DIR}/samples/tarvo.sat
            ${PROJECT_SOURCE_DIR}/samples/tarvo.loc
        DESTINATION ${CMAKE_INSTALL_DATADIR}/sng-tarvo/samples)

# cmake --build build --target package makes build/sng-tarvo_<version>_<arch>.deb.
# Its dependencies are the run-time libraries the executables link (found by
# dpkg-shlibdeps of dpkg-dev, which cpack then requires) and the fonts the look list
# falls back to.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sng-tarvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The SNG Tarvo authors")
set(CPACK_PACKAGE_CONTACT "The SNG Tarvo authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "look angles from a news-gathering truck to a geostationary satellite")
set(CPACK_PACKAGE_DESCRIPTION
    "SNG Tarvo gives the crew of a satellite news-gathering truck the azimuth, elevation\n\
and slant range for pointing the uplink dish at a geostationary satellite, from\n\
catalogues of satellites and truck locations kept in a working folder. It prints a\n\
look list of the marked satellites. Sample catalogues and a user guide are included.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/TarvoCPackChecks.cmake)
include(CPack)
