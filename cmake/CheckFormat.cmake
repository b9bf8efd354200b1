# Fails when a C++ file under the given folders is not formatted as the project's .clang-format says,
# and names each such file with the first lines clang-format would change.
#   cmake -DCLANG_FORMAT=<clang-format> -DSTYLE=<.clang-format> -DFOLDERS=<a;b> [-DEXCLUDE=<regex>] -P CheckFormat.cmake
cmake_minimum_required(VERSION 3.25)
foreach(required CLANG_FORMAT STYLE FOLDERS)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "" OR "${${required}}" MATCHES "NOTFOUND$")
    message(FATAL_ERROR "CheckFormat: ${required} is not set; clang-format comes with scripts/install-deps --tests "
                        "(make test-deps)")
  endif()
endforeach()

set(files "")
foreach(folder IN LISTS FOLDERS)
  file(GLOB_RECURSE found "${folder}/*.h" "${folder}/*.cpp")
  list(APPEND files ${found})
endforeach()
if(DEFINED EXCLUDE)
  list(FILTER files EXCLUDE REGEX "${EXCLUDE}")
endif()
list(SORT files)

set(unformatted "")
foreach(file IN LISTS files)
  execute_process(COMMAND "${CLANG_FORMAT}" "--style=file:${STYLE}" --dry-run --Werror "${file}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    string(REGEX MATCH "[^\n]*\n[^\n]*\n[^\n]*" first "${err}")
    string(APPEND unformatted "\n${file}:\n${first}")
  endif()
endforeach()

if(unformatted)
  message(FATAL_ERROR "Not formatted as .clang-format says (run clang-format -i on them):${unformatted}")
endif()
list(LENGTH files count)
message(STATUS "${count} files formatted as .clang-format says")
