# Checks that every source file includes project headers only from the
# include folders of what its library depends on (its own folder among
# them), so a header of another subsystem cannot be reached by accident.
#
#   cmake -DRULES=<file> -P check_includes.cmake
#
# RULES holds one line per source folder: "<folder>=<name>,<name>,...", the
# names of the include folders (the first path element of an include) the
# sources below <folder> may use. Includes without a folder, and system
# headers in angle brackets, are not checked.
cmake_minimum_required(VERSION 3.25)
if(NOT RULES OR NOT EXISTS "${RULES}")
  message(FATAL_ERROR "check_includes: no rules file given (-DRULES=...)")
endif()
file(STRINGS "${RULES}" rules)
if(NOT rules)
  message(FATAL_ERROR "check_includes: the rules file ${RULES} names no folder")
endif()
set(problems 0)
set(checked 0)
foreach(rule IN LISTS rules)
  string(FIND "${rule}" "=" at)
  if(at LESS 1)
    message(FATAL_ERROR "check_includes: a rule without '=': ${rule}")
  endif()
  string(SUBSTRING "${rule}" 0 ${at} folder)
  math(EXPR rest "${at} + 1")
  string(SUBSTRING "${rule}" ${rest} -1 allowed)
  string(REPLACE "," ";" allowed "${allowed}")
  file(GLOB_RECURSE sources "${folder}/*.h" "${folder}/*.cpp")
  if(NOT sources)
    message(FATAL_ERROR "check_includes: no sources below ${folder}")
  endif()
  foreach(source IN LISTS sources)
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z0-9_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([A-Za-z0-9_]+)/.*" "\\1" used "${line}")
      if(NOT used IN_LIST allowed)
        list(JOIN allowed ", " names)
        message(NOTICE "${source}: includes \"${used}/...\", a folder its library does not "
                       "depend on (it may use ${names})")
        math(EXPR problems "${problems} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()
if(problems GREATER 0)
  message(FATAL_ERROR "check_includes: ${problems} include(s) outside the dependencies")
endif()
message(STATUS "check_includes: ${checked} files, every include within its dependencies")
