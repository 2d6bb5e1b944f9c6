# One program of the suite from its folder: its window as a library (the tests drive it), its
# entry (the runner with this window alone) and the executable.
#   add_suite_program(<name> ENTRY <entry.cpp> WINDOW <sources…> LINKS <what the window uses…>)
function(add_suite_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "ENTRY" "WINDOW;LINKS")
  add_library(${name}_window STATIC ${arg_WINDOW})
  target_include_directories(${name}_window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name}_window PUBLIC ${arg_LINKS})
  add_library(${name}_program STATIC ${arg_ENTRY})
  target_link_libraries(${name}_program PUBLIC app ${name}_window)
  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_program)
endfunction()
