# Build-wide settings and the helpers every folder uses.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(TARVIK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TARVIK_FUZZ needs clang (CXX=clang++): libFuzzer is part of it")
    endif()
    set(TARVIK_SANITIZE ON)
    # Coverage for the fuzzer in every library, the module too; the harness programs link
    # libFuzzer itself. -O1 keeps the sanitizers' checks and runs several times faster than -O0.
    add_compile_options(-fsanitize=fuzzer-no-link -O1)
endif()

if(TARVIK_SANITIZE)
    # float-cast-overflow is not part of "undefined" in GCC: a double that does
    # not fit the integer it is converted to must fail a test, not pass silently.
    set(TARVIK_SANITIZER_FLAGS
        -fsanitize=address,undefined,float-cast-overflow
        -fno-sanitize-recover=undefined,float-cast-overflow
        -fno-omit-frame-pointer)
    add_compile_options(${TARVIK_SANITIZER_FLAGS})
    add_link_options(${TARVIK_SANITIZER_FLAGS})
endif()

# The repository root is the one include root: #include "core/String.h".
include_directories(${PROJECT_SOURCE_DIR})

# tarvik_library(<target> [STATIC|SHARED|OBJECT|INTERFACE] SOURCES ... LIBS ...)
# One folder, one target. Object libraries are linked into libtarvik.so and
# into the unit tests that need them. A library whose state must be one per
# process (the Windows layer that both the host and the loaded module call) is
# SHARED.
function(tarvik_library name)
    cmake_parse_arguments(L "STATIC;SHARED;OBJECT;INTERFACE" "" "SOURCES;LIBS" ${ARGN})
    if(L_INTERFACE)
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${L_LIBS})
        return()
    endif()
    if(L_OBJECT)
        add_library(${name} OBJECT ${L_SOURCES})
    elseif(L_SHARED)
        add_library(${name} SHARED ${L_SOURCES})
    else()
        add_library(${name} STATIC ${L_SOURCES})
    endif()
    target_link_libraries(${name} PUBLIC ${L_LIBS})
endfunction()

# tarvik_test(<target> SOURCES ... LIBS ...): a GoogleTest program whose tests
# CTest lists one by one when it runs them.
# The test programs share one precompiled header of GoogleTest and GoogleMock:
# parsing them is most of the cost of compiling a test file.
function(tarvik_test_pch)
    if(TARGET tarvik_test_pch)
        return()
    endif()
    find_package(GTest REQUIRED)
    # An executable, so that it is compiled with the same position-independence
    # flag (-fPIE) as the test programs that reuse its header.
    file(WRITE ${CMAKE_BINARY_DIR}/tarvik_test_pch.cpp "int main() { return 0; }\n")
    add_executable(tarvik_test_pch ${CMAKE_BINARY_DIR}/tarvik_test_pch.cpp)
    target_link_libraries(tarvik_test_pch PRIVATE GTest::gmock GTest::gtest)
    tarvik_test_definitions(tarvik_test_pch)
    target_precompile_headers(tarvik_test_pch PRIVATE
        <gmock/gmock.h> <gtest/gtest.h> <string> <vector> <memory> <functional>)
endfunction()

function(tarvik_test_definitions name)
    target_compile_definitions(${name} PRIVATE
        TARVIK_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        TARVIK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()

function(tarvik_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    find_package(GTest REQUIRED)
    include(GoogleTest)
    tarvik_test_pch()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest GTest::gtest_main)
    tarvik_test_definitions(${name})
    target_precompile_headers(${name} REUSE_FROM tarvik_test_pch)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()
