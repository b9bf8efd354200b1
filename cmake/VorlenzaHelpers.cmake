# Shared build helpers: one warning policy and one way to register a test.

function(vorlenza_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  if(VORLENZA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# vorlenza_add_test(<name> SOURCES <files...> LIBS <targets...>)
# Builds a Qt Test executable and registers it with CTest on the offscreen platform.
function(vorlenza_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
  target_compile_definitions(${name} PRIVATE VORLENZA_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples")
  vorlenza_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=96;LC_ALL=C.UTF-8"
    TIMEOUT 600)
endfunction()
