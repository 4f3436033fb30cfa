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

# skinview_add_test(<name> SOURCES ... [LIBS ...] [DISPLAY NONE|OFFSCREEN|X11|X11_WM])
#   NONE       no Qt application: platform-free logic (the default)
#   OFFSCREEN  a QApplication on Qt's offscreen platform
#   X11        a QApplication on a private Xvfb server without window manager
#   X11_WM     the same with a window manager (openbox) running
function(skinview_add_test name)
  cmake_parse_arguments(T "" "DISPLAY" "SOURCES;LIBS" ${ARGN})
  if(NOT T_DISPLAY)
    set(T_DISPLAY NONE)
  endif()
  add_executable(${name} ${T_SOURCES})
  skinview_target(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_DISPLAY STREQUAL "NONE")
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
  else()
    target_link_libraries(${name} PRIVATE skinview_qt_test_main)
    if(T_DISPLAY STREQUAL "OFFSCREEN")
      add_test(NAME ${name} COMMAND ${name})
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    elseif(T_DISPLAY STREQUAL "X11")
      add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tests/support/run-x11.sh $<TARGET_FILE:${name}>)
    elseif(T_DISPLAY STREQUAL "X11_WM")
      add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tests/support/run-x11.sh --wm $<TARGET_FILE:${name}>)
    else()
      message(FATAL_ERROR "skinview_add_test: unknown DISPLAY ${T_DISPLAY}")
    endif()
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
