# GoogleTest from Debian's sources, built with this project's compiler
# (the host g++ or MinGW-w64), so both builds test with the same framework.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# trenvika_add_test(NAME SOURCES... [LIBS...] [ENV var=value...])
# One test executable is one ctest test: under Wine every process start costs
# seconds, so the cases of an executable run in one process.
function(trenvika_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV;DATA" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE GTest::gtest_main ${T_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
    # Under Wine the source tree is reached through drive Z:.
    set(data_dir ${CMAKE_CURRENT_SOURCE_DIR})
    if(WIN32)
        set(data_dir "Z:${data_dir}")
    endif()
    target_compile_definitions(${name} PRIVATE TEST_DATA_DIR="${data_dir}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 900)
    if(T_ENV)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENV}")
    endif()
endfunction()
