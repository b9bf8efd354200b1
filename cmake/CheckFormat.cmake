# Fails when a C++ file under the given folders is not formatted as the project's .clang-format says,
# and names each such file with the first lines clang-format would change.
#   cmake -DSTYLE=<.clang-format> -DFOLDERS=<a;b> [-DEXCLUDE=<regex>] -P CheckFormat.cmake
# clang-format is looked for when the check runs, not when the build is configured: `make run` configures
# before `make test` installs the test tools.
cmake_minimum_required(VERSION 3.25)
foreach(required STYLE FOLDERS)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "CheckFormat: ${required} is not set")
  endif()
endforeach()
find_program(CLANG_FORMAT NAMES clang-format-14 clang-format)
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "CheckFormat: no clang-format; it comes with the test tools (make test-deps)")
endif()

set(files "")
foreach(folder IN LISTS FOLDERS)
  file(GLOB_RECURSE found "${folder}/*.h" "${folder}/*.cpp")
  list(APPEND files ${found})
endforeach()
if(DEFINED EXCLUDE)
  list(FILTER files EXCLUDE REGEX "${EXCLUDE}")
endif()
list(SORT files)

# One clang-format for every file: it names each place it would change as "<file>:<line>:<col>: error".
set(unformatted "")
if(files)
  execute_process(COMMAND "${CLANG_FORMAT}" "--style=file:${STYLE}" --dry-run --Werror ${files}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    string(REGEX MATCHALL "[^\n]*: error: [^\n]*" places "${err}")
    if(NOT places)
      set(places "${err}")
    endif()
    list(JOIN places "\n" unformatted)
    set(unformatted "\n${unformatted}")
  endif()
endif()

if(unformatted)
  message(FATAL_ERROR "Not formatted as .clang-format says (run clang-format -i on them):${unformatted}")
endif()
list(LENGTH files count)
message(STATUS "${count} files formatted as .clang-format says")
