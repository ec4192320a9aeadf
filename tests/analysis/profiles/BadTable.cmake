# A table with one bad row must stop the build: copies the real tables, adds
# ROW to FILE, and runs the generator; a row the generator itself refuses must
# make it fail naming the row, a row whose radii do not fit must make the
# generated source fail to compile, naming the row.
#   cmake -DDATA=... -DWORK=... -DGENERATOR=... -DFILE=IPE.csv -DROW=... -DNAME=...
#         [-DCXX=... -DINCLUDE=...] -P BadTable.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(GLOB tables "${DATA}/*.csv")
file(COPY ${tables} DESTINATION "${WORK}")
file(APPEND "${WORK}/${FILE}" "${ROW}\n")
execute_process(COMMAND "${CMAKE_COMMAND}" -DDATA=${WORK} -DOUTPUT=${WORK}/ProfileData.cpp -P "${GENERATOR}"
                RESULT_VARIABLE generated ERROR_VARIABLE message OUTPUT_QUIET)
if(NOT CXX)
  if(generated EQUAL 0)
    message(FATAL_ERROR "the generator took '${ROW}' in ${FILE}")
  endif()
  if(NOT message MATCHES "${NAME}")
    message(FATAL_ERROR "the generator refused the table without naming ${NAME}: ${message}")
  endif()
  return()
endif()
if(NOT generated EQUAL 0)
  message(FATAL_ERROR "the generator refused '${ROW}', which only the compiler should: ${message}")
endif()
execute_process(COMMAND "${CXX}" -std=c++17 -fsyntax-only -I "${INCLUDE}" "${WORK}/ProfileData.cpp"
                RESULT_VARIABLE compiled ERROR_VARIABLE message OUTPUT_QUIET)
if(compiled EQUAL 0)
  message(FATAL_ERROR "the generated source with '${ROW}' compiled")
endif()
if(NOT message MATCHES "${FILE}: ${NAME}:")
  message(FATAL_ERROR "the compiler refused the table without naming ${NAME}: ${message}")
endif()
