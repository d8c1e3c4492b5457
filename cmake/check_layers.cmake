cmake_minimum_required(VERSION 3.25)
# The game's folders form layers: each may include only its own headers and
# those of the folders below it. Run as a script over the sources:
#   cmake -DSOURCE_DIR=<repository> -P cmake/check_layers.cmake
# and fails, naming the file and the include, when a folder reaches up.

set(uses_core "")
set(uses_console core)
set(uses_rules core)
set(uses_engine rules core)
set(uses_records core)
set(uses_game console engine records rules core)

set(violations "")
foreach(layer core console rules engine records game)
  file(GLOB sources "${SOURCE_DIR}/src/${layer}/*.h" "${SOURCE_DIR}/src/${layer}/*.cpp")
  foreach(source ${sources})
    file(STRINGS "${source}" includes REGEX "^#include \"[a-z_]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" folder "${line}")
      if(NOT folder STREQUAL layer AND NOT folder IN_LIST uses_${layer})
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
        list(APPEND violations "${shown}: ${line} (${layer}/ may use: ${uses_${layer}})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " listed)
  message(FATAL_ERROR "A folder includes one above it:\n  ${listed}")
endif()
