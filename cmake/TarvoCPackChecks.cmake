# Read by cpack before it builds a package. Without dpkg-shlibdeps CPack would quietly
# leave the Qt libraries out of the package's dependencies: stop instead.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(TARVO_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT TARVO_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "The Debian package needs dpkg-shlibdeps: apt-get install dpkg-dev")
    endif()
endif()
