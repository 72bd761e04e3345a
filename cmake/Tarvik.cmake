# Build-wide settings and the helpers every folder uses.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

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
function(tarvik_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    find_package(GTest REQUIRED)
    include(GoogleTest)
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
        TARVIK_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        TARVIK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()
