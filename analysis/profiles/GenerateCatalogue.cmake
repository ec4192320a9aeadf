# Turns the profile tables (data/*.csv) into C++ at build time, so the program
# needs no data file when it runs. Run by the build as
#   cmake -DDATA=<data dir> -DOUTPUT=<file.cpp> -P GenerateCatalogue.cmake
# It stops the build on a row that is incomplete or holds anything but a
# positive number; every row also gets a static_assert of
# ProfileDimensionsFit, so a radius that does not fit stops the compilation
# with the row's name.

cmake_minimum_required(VERSION 3.25)  # empty list elements kept: an empty field is seen

# file | family shown | table prefix | shape | columns
set(families
  "IPE.csv|IPE|IPE|I|name,h,b,tw,tf,r"
  "HEA.csv|HEA|HEA|I|name,h,b,tw,tf,r"
  "HEB.csv|HEB|HEB|I|name,h,b,tw,tf,r"
  "HEM.csv|HEM|HEM|I|name,h,b,tw,tf,r"
  "UPE.csv|UPE|UPE|Channel|name,h,b,tw,tf,r"
  "L.csv|L lati uguali|L|Angle|name,h,b,t,r1,r2"
  "LU.csv|L lati disuguali|L|Angle|name,h,b,t,r1,r2")

set(rows_code "")
set(checks_code "")
set(families_code "")
set(index 0)
foreach(family IN LISTS families)
  string(REPLACE "|" ";" fields "${family}")
  list(GET fields 0 file)
  list(GET fields 1 shown)
  list(GET fields 2 prefix)
  list(GET fields 3 shape)
  list(GET fields 4 header)
  file(STRINGS "${DATA}/${file}" lines)
  list(LENGTH lines line_count)
  if(line_count LESS 2)
    message(FATAL_ERROR "${file}: no rows")
  endif()
  list(GET lines 0 first)
  string(STRIP "${first}" first)
  if(NOT first STREQUAL header)
    message(FATAL_ERROR "${file}: the first line is '${first}', not '${header}'")
  endif()
  list(REMOVE_AT lines 0)
  set(count 0)
  string(APPEND rows_code "const Profile k${prefix}${index}[] = {\n")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "")
      continue()
    endif()
    # Empty fields must survive the split: a row "IPE80,80,,3.8,5.2,5" is incomplete.
    string(REPLACE "," ";" cells "${line};")
    list(LENGTH cells cell_count)
    if(NOT cell_count EQUAL 7)
      message(FATAL_ERROR "${file}: '${line}' does not have the six fields ${header}")
    endif()
    list(GET cells 0 name)
    if(NOT name MATCHES "^${prefix}([0-9][0-9x.]*)$")
      message(FATAL_ERROR "${file}: '${name}' is not a ${prefix} size name")
    endif()
    set(size "${CMAKE_MATCH_1}")
    set(numbers "")
    foreach(k RANGE 1 5)
      list(GET cells ${k} value)
      if(NOT value MATCHES "^[0-9]+(\\.[0-9]+)?$" OR value MATCHES "^0+(\\.0+)?$")
        message(FATAL_ERROR "${file}: ${name}: '${value}' is not a positive number of millimetres")
      endif()
      list(APPEND numbers "${value}")
    endforeach()
    list(JOIN numbers ", " joined)
    string(APPEND rows_code "    {\"${prefix} ${size}\", ProfileShape::${shape}, {${joined}}},\n")
    string(APPEND checks_code
      "static_assert(ProfileDimensionsFit(ProfileShape::${shape}, ${joined}),\n"
      "              \"${file}: ${name}: a dimension not positive or a radius larger than its room\");\n")
    math(EXPR count "${count} + 1")
  endforeach()
  string(APPEND rows_code "};\n")
  string(APPEND families_code
    "    ProfileFamily{\"${shown}\", ProfileShape::${shape}, k${prefix}${index}, ${count}},\n")
  math(EXPR index "${index} + 1")
endforeach()

set(code "// Generated from analysis/profiles/data/*.csv by GenerateCatalogue.cmake: do not edit.
#include \"profiles/ProfileCatalogue.h\"

namespace baricor {
namespace {

${rows_code}
${checks_code}
}  // namespace

const std::array<ProfileFamily, 7>& ProfileFamilies() {
    static const std::array<ProfileFamily, 7> families = {{
${families_code}    }};
    return families;
}

}  // namespace baricor
")

# Rewritten only when it changes, so that touching a table's time alone does
# not rebuild the library.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL code)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${code}")
