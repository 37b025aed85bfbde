# tessary_add_test(name SOURCES ... LIBS ...): one GoogleTest executable,
# its tests discovered by ctest. Widget tests run offscreen.
function(tessary_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    # A suite's own code is never installed nor timed: light optimisation and
    # line tables only (enough for a backtrace) build it in about half the
    # time of the libraries' flags, and the suites are half of all code.
    target_compile_options(${name} PRIVATE -O1 -g1)
    # A suite's files are compiled eight at a time as one unit: most of each
    # file's time goes to parsing the same Qt and GoogleTest headers, and CI
    # builds every suite twice (plain and sanitized). Two files of one suite
    # therefore never define file-local helpers of one name: a helper two
    # files need has one place in tests/support (docs/ARCHITECTURE.md). The
    # warning about a fixture in an unnamed namespace is meant for headers and
    # fires for every file of a unit after the first.
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${TESSARY_UNITY_BATCH})
    target_compile_options(${name} PRIVATE -Wno-subobject-linkage)
    # Tests find bundled samples and their own data through these paths.
    target_compile_definitions(${name} PRIVATE
        TESSARY_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TESSARY_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
        DISCOVERY_TIMEOUT 60)
endfunction()
