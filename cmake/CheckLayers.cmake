# Fails when a source file includes a header of a layer above its own or
# beside it. The layers, lowest first: platform, model, calc, files, widgets,
# output (printouts and capture), then the windows (sheet, compare, report),
# then main, which makes every window, then app. A folder may include its own
# headers and those of the layers strictly below it, so no window leans on
# another and no two folders include each other, even through a third. Every
# folder under src/ must have a layer.
#
#   cmake -DSOURCE_ROOT=<folder holding src/> -P CheckLayers.cmake

if(NOT SOURCE_ROOT)
  message(FATAL_ERROR "SOURCE_ROOT is not set")
endif()

set(rank_platform 0)
set(rank_model 1)
set(rank_calc 2)
set(rank_files 3)
set(rank_widgets 4)
set(rank_output 5)
set(rank_sheet 6)
set(rank_compare 6)
set(rank_report 6)
set(rank_main 7)
set(rank_app 8)

file(GLOB_RECURSE sources RELATIVE "${SOURCE_ROOT}/src" "${SOURCE_ROOT}/src/*.h"
     "${SOURCE_ROOT}/src/*.cpp")
set(violations "")
set(checked 0)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(NOT DEFINED rank_${folder})
    list(APPEND violations "src/${source}: its folder has no layer")
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  file(STRINGS "${SOURCE_ROOT}/src/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "\"([^/\"]+)/[^\"]*\"")
      continue() # a header of the same folder
    endif()
    set(target "${CMAKE_MATCH_1}")
    if(NOT DEFINED rank_${target})
      continue()
    endif()
    if(NOT target STREQUAL folder AND NOT rank_${target} LESS rank_${folder})
      string(STRIP "${line}" line)
      list(APPEND violations "src/${source}: ${line}")
    endif()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "no source files under ${SOURCE_ROOT}/src")
endif()
if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes of a layer above or beside their own:\n  ${text}")
endif()
message(STATUS "${checked} source files keep to their layers")
