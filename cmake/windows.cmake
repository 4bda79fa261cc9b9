# Windows build: Tovask.exe and its end-to-end test driver.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

# Every program lands in one folder: the test drivers find Tovask.exe beside them.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Reproducible and small: no build paths, no time stamp, no exceptions.
set(TOVASK_EXE_FLAGS -Os -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)

add_library(tovask_core STATIC ${TOVASK_CORE_SOURCES} text/lower_case_win32.cpp)
target_include_directories(tovask_core PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(tovask_core PRIVATE ${TOVASK_EXE_FLAGS})
tovask_warnings(tovask_core)

add_executable(Tovask
  app/main_win32.cpp
  app/runtime_win32.cpp
  console/ansi_win32.cpp
  console/console_win32.cpp
  console/write_result_win32.cpp
  dialog/controls_win32.cpp
  dialog/dialog_layout_win32.cpp
  dialog/dialog_window_win32.cpp
  dialog/events_win32.cpp
  dialog/font_win32.cpp
  dialog/shortcuts_win32.cpp
  dialog/system_string_win32.cpp
  resources/Tovask.rc
)
target_compile_options(Tovask PRIVATE ${TOVASK_EXE_FLAGS})
target_link_options(Tovask PRIVATE -municode -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp)
target_link_libraries(Tovask PRIVATE tovask_core user32 gdi32 comctl32)
tovask_warnings(Tovask)
set_source_files_properties(resources/Tovask.rc PROPERTIES
  OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/resources/Tovask.manifest)

# The manual ships beside the executable.
configure_file(docs/Tovask.txt ${CMAKE_BINARY_DIR}/Tovask.txt COPYONLY)

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_DIR} googletest EXCLUDE_FROM_ALL)
add_subdirectory(tests/e2e)
add_subdirectory(tests/bench)
