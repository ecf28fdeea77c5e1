# Fails when a source file includes a header of a layer above its own. The
# layers, lowest first: platform, model, calc, files, widgets, then the
# windows (sheet, main, compare, report), then app. A folder may include its
# own headers and those of any layer below; the windows may include each
# other.
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
set(rank_sheet 5)
set(rank_main 5)
set(rank_compare 5)
set(rank_report 5)
set(rank_app 6)

file(GLOB_RECURSE sources RELATIVE "${SOURCE_ROOT}/src" "${SOURCE_ROOT}/src/*.h"
     "${SOURCE_ROOT}/src/*.cpp")
set(violations "")
set(checked 0)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(NOT DEFINED rank_${folder})
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
    if(rank_${target} GREATER rank_${folder})
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
  message(FATAL_ERROR "Includes of a higher layer:\n  ${text}")
endif()
message(STATUS "${checked} source files keep to their layers")
