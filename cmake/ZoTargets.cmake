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
# One GoogleTest executable from the .cpp files of the calling folder. Every
# test runs with its own HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR (made by the
# shared test main), offscreen when it uses Qt, and with a time limit.
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
  set(env "ZO_SOURCE_DIR=${CMAKE_SOURCE_DIR};ZO_RUNTIME_DIR=${ZO_RUNTIME_DIR}")
  if(ARG_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE zo_testsupport_qt Qt6::Widgets)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 120
    DISCOVERY_MODE PRE_TEST
    PROPERTIES TIMEOUT 300)
  # The environment is a list, which the discovery's PROPERTIES flatten into
  # separate arguments (only the first variable would be set); it is given to
  # the discovered tests by a file that runs after theirs.
  set(env_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_environment.cmake)
  file(WRITE ${env_file}
    "if(${target}_TESTS)\n"
    "  set_tests_properties(\${${target}_TESTS} PROPERTIES ENVIRONMENT \"${env}\")\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${env_file})
endfunction()
