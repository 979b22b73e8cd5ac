# Each subsystem is a static library that may link only the subsystems below
# it. The table is the single place where the layering is written down; a
# library that asks for anything else stops the configure step.
set(URA_LAYER_uramodel   "Qt6::Core")
set(URA_LAYER_uraanalysis "uramodel;Qt6::Core")
set(URA_LAYER_uragrafo  "uraanalysis;uramodel;Qt6::Core;PkgConfig::GRAPHVIZ")
set(URA_LAYER_urafiles   "uraanalysis;uramodel;pugixml::pugixml;Qt6::Core")
set(URA_LAYER_uraserver  "urafiles;uraanalysis;uramodel;pugixml::pugixml;Qt6::Core;Qt6::Network")
set(URA_LAYER_urashell  "uraserver;urafiles;uraanalysis;uramodel;pugixml::pugixml;Qt6::Core;Qt6::Network;Qt6::Gui;Qt6::Widgets")
set(URA_LAYER_uraaudio   "urashell;uraserver;urafiles;uraanalysis;uramodel;pugixml::pugixml;Qt6::Core;Qt6::Network;Qt6::Gui;Qt6::Widgets;Qt6::Multimedia")
set(URA_LAYER_uraeditors "urashell;uraserver;urafiles;uraanalysis;uramodel;pugixml::pugixml;Qt6::Core;Qt6::Network;Qt6::Gui;Qt6::Widgets")
set(URA_LAYER_urafluxo   "uragrafo;urashell;uraserver;urafiles;uraanalysis;uramodel;pugixml::pugixml;Qt6::Core;Qt6::Network;Qt6::Gui;Qt6::Widgets;Qt6::Svg")
set(URA_LAYER_urasimulacao "uraaudio;urashell;uraserver;urafiles;uraanalysis;uramodel;pugixml::pugixml;Qt6::Core;Qt6::Network;Qt6::Gui;Qt6::Widgets;Qt6::Multimedia")
# Undo steps, recovery, version history and the comparison and find windows.
set(URA_LAYER_urahistorico "urashell;uraserver;urafiles;uraanalysis;uramodel;pugixml::pugixml;Qt6::Core;Qt6::Network;Qt6::Gui;Qt6::Widgets")
set(URA_LAYER_uraapp     "urafluxo;uragrafo;urasimulacao;uraaudio;uraeditors;urahistorico;urashell;uraserver;urafiles;uraanalysis;uramodel;pugixml::pugixml;Qt6::Core;Qt6::Network;Qt6::Gui;Qt6::Widgets;Qt6::Multimedia")

# ura_subsystem(NAME DEPENDS dep...)
# Builds the sources and Designer forms (*.ui) of the calling folder into the
# static library NAME.
function(ura_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  if(NOT DEFINED URA_LAYER_${name})
    message(FATAL_ERROR "Unknown subsystem ${name}: add it to cmake/Layers.cmake")
  endif()
  foreach(dep IN LISTS ARG_DEPENDS)
    if(NOT dep IN_LIST URA_LAYER_${name})
      message(FATAL_ERROR "${name} may not depend on ${dep} (layering)")
    endif()
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT sources MATCHES "\\.cpp")
    message(STATUS "${name}: no sources yet")
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# ura_tests(NAME LIBS lib...): one GoogleTest binary from the calling folder,
# with the shared test helpers and main of tests/support. Every test case
# gets 60 seconds: a hang fails fast instead of holding the suite.
function(ura_tests name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources MATCHES "\\.cpp")
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} urasupport urasupport_main GTest::gtest GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)
endfunction()
