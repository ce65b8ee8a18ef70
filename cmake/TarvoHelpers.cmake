# tarvo_add_library(name SOURCES ... [LIBS ...])
# A library of one src/ folder; its headers are included as "folder/header.h".
function(tarvo_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# tarvo_add_test(name SOURCES ... LIBS ... [LABELS ...] [WIDGETS])
# One GoogleTest executable registered with ctest. WIDGETS runs it on Qt's
# offscreen platform. Every test gets TARVO_SAMPLES pointing at the sample working
# folder and never runs in the user's folders: each test makes its own temporary folder.
function(tarvo_add_test name)
    cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
    if(ARG_WIDGETS)
        target_link_libraries(${name} PRIVATE tarvo_testsupport)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    target_compile_definitions(${name} PRIVATE TARVO_SAMPLES="${PROJECT_SOURCE_DIR}/samples")
    add_test(NAME ${name} COMMAND ${name})
    set(env "LANG=C.UTF-8")
    if(ARG_WIDGETS)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "${env}")
endfunction()

# tarvo_add_scaled_run(name FILTER)
# Runs the window tests FILTER of the test program `name` once more at a device scale of
# 2, as on a high-density screen: layouts in logical pixels, twips and fonts must come
# out the same, pictures at the screen's resolution.
function(tarvo_add_scaled_run name filter)
    add_test(NAME ${name}_scale2 COMMAND ${name} --gtest_filter=${filter})
    set_tests_properties(${name}_scale2 PROPERTIES LABELS "form;hidpi"
        ENVIRONMENT "LANG=C.UTF-8;QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
endfunction()
