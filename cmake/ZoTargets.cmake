# Helpers that keep every layer's CMakeLists.txt to a few lines. Sources are
# globbed per folder, so a new file pair needs no build-file edit.

set(ZO_SRC_ROOT ${CMAKE_SOURCE_DIR}/src)

# zo_layer(<target> [QT] [DEPS <targets>...])
# A static library made of the .cpp files of the calling folder (not its
# sub-folders). Headers are included as "layer/File.h" from src/.
function(zo_layer target)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(sources)
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC ${ZO_SRC_ROOT} ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
    if(ARG_QT)
      set_target_properties(${target} PROPERTIES AUTOMOC ON)
      target_link_libraries(${target} PUBLIC Qt6::Widgets Qt6::Svg)
    endif()
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${ZO_SRC_ROOT} ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    if(ARG_QT)
      target_link_libraries(${target} INTERFACE Qt6::Widgets Qt6::Svg)
    endif()
  endif()
endfunction()

# zo_test(<target> [QT] [DEPS <targets>...])
# One GoogleTest executable from the .cpp files of the calling folder. CTest
# runs every test alone, in a process of its own, and the whole binary once
# more in a random order (the seed is in its output), each with a time limit.
# Each test gets its own HOME and XDG folders from the shared test main; Qt
# tests run offscreen.
function(zo_test target)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  if(ARG_QT)
    set(main ${CMAKE_SOURCE_DIR}/tests/support/qt/main/QtTestMain.cpp)
  else()
    set(main ${CMAKE_SOURCE_DIR}/tests/support/main/TestMain.cpp)
  endif()
  add_executable(${target} ${sources} ${main})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} zo_testsupport GTest::gtest GTest::gmock)
  # Tests read the language files and pictures next to the program.
  add_dependencies(${target} zo_resources)
  if(ARG_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE zo_testsupport_qt Qt6::Widgets)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 120
    DISCOVERY_MODE PRE_TEST
    PROPERTIES TIMEOUT 300)
  add_test(NAME ${target}_shuffled COMMAND ${target} --gtest_shuffle)
  set_tests_properties(${target}_shuffled PROPERTIES TIMEOUT 600)
endfunction()

# zo_program(<target>)
# A program the user runs: built into the one folder with Language/ and
# Picture/, and installed into bin/.
function(zo_program target)
  add_dependencies(${target} zo_resources)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
