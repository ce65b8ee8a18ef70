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
# offscreen platform. Every test gets TARVO_FIXTURES pointing at tests/fixtures
# and never runs in the user's folders: each test makes its own temporary folder.
function(tarvo_add_test name)
    cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
    if(ARG_WIDGETS)
        target_link_libraries(${name} PRIVATE tarvo_testsupport)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    target_compile_definitions(${name} PRIVATE
        TARVO_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
        TARVO_SAMPLES="${PROJECT_SOURCE_DIR}/samples")
    add_test(NAME ${name} COMMAND ${name})
    set(env "LANG=C.UTF-8")
    if(ARG_WIDGETS)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "${env}")
endfunction()
