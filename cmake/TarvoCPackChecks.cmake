# The tools CPack's Debian generator needs for this package, checked before it builds
# one, so that a missing tool stops the package with its name and the package that
# brings it, all missing tools at once, instead of CPack stopping at the first one or
# quietly leaving something out:
#   dpkg-shlibdeps  finds the run-time libraries the package depends on (the Qt 6
#                   libraries); without it the Depends line would lack them
#   file            picks out the executables that dpkg-shlibdeps is given
#   objdump         reads those executables for dpkg-shlibdeps
#   dpkg            names the architecture; without it CPack would call the package i386
#
# Read by cpack (CPACK_PROJECT_CONFIG_FILE). Run as a script,
#   cmake -P cmake/TarvoCPackChecks.cmake
# it makes the same check and prints nothing when every tool is there (the package test
# uses it to tell why it is skipped).
set(tarvo_package_tools
    dpkg-shlibdeps dpkg-dev
    file file
    objdump binutils
    dpkg dpkg)

if(CMAKE_SCRIPT_MODE_FILE OR CPACK_GENERATOR STREQUAL "DEB")
    set(missing_tools "")
    set(missing_packages "")
    list(LENGTH tarvo_package_tools count)
    math(EXPR last "${count} - 1")
    foreach(index RANGE 0 ${last} 2)
        math(EXPR package_index "${index} + 1")
        list(GET tarvo_package_tools ${index} tool)
        list(GET tarvo_package_tools ${package_index} package)
        find_program(tarvo_tool_${tool} ${tool} NO_CACHE)
        if(NOT tarvo_tool_${tool})
            list(APPEND missing_tools ${tool})
            list(APPEND missing_packages ${package})
        endif()
    endforeach()
    if(missing_tools)
        list(REMOVE_DUPLICATES missing_packages)
        list(JOIN missing_tools ", " tools_text)
        list(JOIN missing_packages " " packages_text)
        message(FATAL_ERROR "The Debian package needs ${tools_text}, which cannot be found: "
                            "apt-get install ${packages_text} (or run tools/package.sh, which "
                            "installs them)")
    endif()
endif()
