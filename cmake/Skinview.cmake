# Shared build rules: warning flags for our own targets and a one-line way
# to add a test.

set(SKINVIEW_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
    -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wconversion
    -Wno-sign-conversion)

# skinview_target(<target>): our warnings and the project root on the include
# path, so headers are included as "skin/IniFile.h".
function(skinview_target target)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
  else()
    target_compile_options(${target} PRIVATE ${SKINVIEW_WARNINGS})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

# skinview_add_test(<name> SOURCES ... [LIBS ...] [DISPLAY <display>...])
#   NONE       no Qt application: platform-free logic (the default)
#   OFFSCREEN  a QApplication on Qt's offscreen platform
#   X11        a QApplication on a private Xvfb server without window manager
#   X11_WM     the same with a window manager (openbox) running
# With several displays the test runs once on each; the first run is called
# <name>, the others <name>_<display>. The test finds its display in the
# environment variable SKINVIEW_TEST_DISPLAY.
function(skinview_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;DISPLAY" ${ARGN})
  if(NOT T_DISPLAY)
    set(T_DISPLAY NONE)
  endif()
  add_executable(${name} ${T_SOURCES})
  skinview_target(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_DISPLAY STREQUAL "NONE")
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  else()
    target_link_libraries(${name} PRIVATE skinview_qt_test_main)
  endif()

  set(run_x11 ${PROJECT_SOURCE_DIR}/tests/support/run-x11.sh)
  list(GET T_DISPLAY 0 first_display)
  foreach(display IN LISTS T_DISPLAY)
    string(TOLOWER ${display} suffix)
    if(display STREQUAL first_display)
      set(test_name ${name})
    else()
      set(test_name ${name}_${suffix})
    endif()
    if(display STREQUAL "NONE" OR display STREQUAL "OFFSCREEN")
      add_test(NAME ${test_name} COMMAND ${name})
    elseif(display STREQUAL "X11")
      add_test(NAME ${test_name} COMMAND ${run_x11} $<TARGET_FILE:${name}>)
    elseif(display STREQUAL "X11_WM")
      add_test(NAME ${test_name} COMMAND ${run_x11} --wm $<TARGET_FILE:${name}>)
    else()
      message(FATAL_ERROR "skinview_add_test: unknown DISPLAY ${display}")
    endif()
    set(environment SKINVIEW_TEST_DISPLAY=${display})
    if(display STREQUAL "OFFSCREEN")
      list(APPEND environment QT_QPA_PLATFORM=offscreen)
    endif()
    set_tests_properties(${test_name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 300)
  endforeach()
endfunction()
