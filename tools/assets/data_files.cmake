# The language files and picture libraries of the installation, written by
# lumora-assets from assets/languages/<language>/*.txt and assets/library/<folder>/*.txt.
target_sources(lumora-assets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/data_file_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_file_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library_generators.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library_writer.cpp)
target_link_libraries(lumora-assets PRIVATE lumora_core_app)

# Each language is a folder of source parts, joined in name order (the
# first holds the Header); each window group keeps its own part.
file(GLOB LUMORA_LANGUAGE_FOLDERS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/assets/languages/*)
set(LUMORA_LANGUAGE_FILES)
foreach(folder ${LUMORA_LANGUAGE_FOLDERS})
  if(NOT IS_DIRECTORY ${folder})
    continue()
  endif()
  get_filename_component(name ${folder} NAME)
  file(GLOB parts CONFIGURE_DEPENDS ${folder}/*.txt)
  list(SORT parts)
  set(output ${LUMORA_SHARE_DIR}/languages/${name}.l2l)
  add_custom_command(OUTPUT ${output}
    COMMAND lumora-assets language ${parts} ${output}
    DEPENDS lumora-assets ${parts}
    COMMENT "Encoding language file ${name}.l2l"
    VERBATIM)
  list(APPEND LUMORA_LANGUAGE_FILES ${output})
endforeach()
add_custom_target(lumora_language_files ALL DEPENDS ${LUMORA_LANGUAGE_FILES})

file(GLOB LUMORA_LIBRARY_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/library/*/*.txt)
set(LUMORA_LIBRARY_FILES)
foreach(source ${LUMORA_LIBRARY_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  get_filename_component(folder ${source} DIRECTORY)
  get_filename_component(folder ${folder} NAME)
  set(output ${LUMORA_SHARE_DIR}/library/${folder}/${name}.llb)
  add_custom_command(OUTPUT ${output}
    COMMAND lumora-assets library ${source} ${output}
    DEPENDS lumora-assets ${source}
    COMMENT "Writing picture library ${folder}/${name}.llb"
    VERBATIM)
  list(APPEND LUMORA_LIBRARY_FILES ${output})
endforeach()
add_custom_target(lumora_library_files ALL DEPENDS ${LUMORA_LIBRARY_FILES})
