# Fails when a front end reaches past the engine host into the simulated processor, or when the
# tuning tools reach into the model's objects. The programs' entry points alone hand the
# simulated processor over; tuning reads only the model's values and snapshots.
# Run as: cmake -DSOURCE_DIR=<project> -P LayerIncludes.cmake
cmake_minimum_required(VERSION 3.20)
set(problems "")

file(GLOB_RECURSE front_end_files "${SOURCE_DIR}/src/shell/*.h" "${SOURCE_DIR}/src/shell/*.cpp"
     "${SOURCE_DIR}/cli/*.h" "${SOURCE_DIR}/cli/*.cpp")
foreach(file IN LISTS front_end_files)
  file(RELATIVE_PATH relative "${SOURCE_DIR}" "${file}")
  if(relative STREQUAL "src/shell/main.cpp" OR relative STREQUAL "cli/main.cpp")
    continue()
  endif()
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]sim/")
  foreach(line IN LISTS lines)
    list(APPEND problems "${relative}: ${line}")
  endforeach()
endforeach()

# The model's value types and read snapshots; everything else in model/ is its inside.
set(model_values "model/EqualizerSettings.h" "model/TuningSnapshot.h")
file(GLOB_RECURSE tuning_files "${SOURCE_DIR}/src/tuning/*.h" "${SOURCE_DIR}/src/tuning/*.cpp")
foreach(file IN LISTS tuning_files)
  file(RELATIVE_PATH relative "${SOURCE_DIR}" "${file}")
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]model/")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE ".*[\"<](model/[^\">]+)[\">].*" "\\1" header "${line}")
    if(NOT header IN_LIST model_values)
      list(APPEND problems "${relative}: ${line}")
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes across the layers:\n  ${text}")
endif()
