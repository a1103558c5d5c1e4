# The include check: the sources of each library include the project's
# headers only from its own include folder and those of the libraries it
# links, directly or through others. The rules are written here from the
# targets' dependencies; check_includes.cmake compares every source with
# them, so an include that CMake's dependencies do not back fails a test.

# The include folder of one of the project's libraries, by its name:
# lumora_core_<folder>, and lumora_ui for ui/; empty for any other target.
function(lumora_include_folder_of target out)
  set(folder "")
  if(target MATCHES "^lumora_core_([a-z0-9_]+)$")
    set(folder ${CMAKE_MATCH_1})
  elseif(target STREQUAL "lumora_ui")
    set(folder ui)
  endif()
  set(${out} "${folder}" PARENT_SCOPE)
endfunction()

# The include folders the sources of target may use, joined by commas.
function(lumora_allowed_include_folders target out)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(pending ${target} INTERFACE_LINK_LIBRARIES)
  else()
    get_target_property(pending ${target} LINK_LIBRARIES)
  endif()
  if(NOT pending)
    set(pending "")
  endif()
  lumora_include_folder_of(${target} folders)
  set(seen "")
  while(pending)
    list(POP_FRONT pending current)
    # A private dependency of a dependency ($<LINK_ONLY:...>) is no target
    # here: its headers are not the dependent's to use.
    if(NOT TARGET ${current} OR NOT current MATCHES "^lumora" OR current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    lumora_include_folder_of(${current} folder)
    list(APPEND folders ${folder})
    get_target_property(links ${current} INTERFACE_LINK_LIBRARIES)
    if(links)
      list(APPEND pending ${links})
    endif()
  endwhile()
  list(REMOVE_DUPLICATES folders)
  list(JOIN folders "," joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()

set(LUMORA_INCLUDE_RULES "")
file(GLOB core_folders LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/src/core/*)
foreach(folder ${core_folders})
  get_filename_component(name ${folder} NAME)
  if(IS_DIRECTORY ${folder} AND TARGET lumora_core_${name})
    lumora_allowed_include_folders(lumora_core_${name} allowed)
    string(APPEND LUMORA_INCLUDE_RULES "${folder}=${allowed}\n")
  endif()
endforeach()
foreach(pair "ui;lumora_ui" "cli;lumora-render" "app;lumora")
  list(GET pair 0 folder)
  list(GET pair 1 target)
  if(TARGET ${target})
    lumora_allowed_include_folders(${target} allowed)
    string(APPEND LUMORA_INCLUDE_RULES "${CMAKE_SOURCE_DIR}/src/${folder}=${allowed}\n")
  endif()
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/include_rules.txt "${LUMORA_INCLUDE_RULES}")
add_test(NAME IncludeCheck.EveryIncludeIsBackedByADependency
         COMMAND ${CMAKE_COMMAND} -DRULES=${CMAKE_CURRENT_BINARY_DIR}/include_rules.txt
                 -P ${CMAKE_CURRENT_LIST_DIR}/check_includes.cmake)

# The check itself finds an include its rules do not allow.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/include_rules_fixture.txt
     "${CMAKE_CURRENT_LIST_DIR}/../fixtures/includes/depthmap=depthmap,common\n")
add_test(NAME IncludeCheck.AnIncludeOutsideTheDependenciesIsFound
         COMMAND ${CMAKE_COMMAND} -DRULES=${CMAKE_CURRENT_BINARY_DIR}/include_rules_fixture.txt
                 -P ${CMAKE_CURRENT_LIST_DIR}/check_includes.cmake)
set_tests_properties(IncludeCheck.AnIncludeOutsideTheDependenciesIsFound PROPERTIES
  PASS_REGULAR_EXPRESSION "reaches_into_history\\.h: includes \"history/\\.\\.\\.\"")
