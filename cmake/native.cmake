# Native build: the portable core and its unit tests, with sanitizers.
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

add_library(tovask_core STATIC ${TOVASK_CORE_SOURCES} text/lower_case.cpp)
target_include_directories(tovask_core PUBLIC ${PROJECT_SOURCE_DIR})
tovask_warnings(tovask_core)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_DIR} googletest EXCLUDE_FROM_ALL)
add_subdirectory(tests/unit)
