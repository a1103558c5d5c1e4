# The language files and picture libraries of the installation, written by
# lumora-assets from assets/languages/<language>/*.txt and assets/library/<folder>/*.txt.

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

# The desktop program's own files: the editor's cursors, the splash
# picture, the help start page and the folder the picture dialogs start in.
set(LUMORA_CURSOR_NAMES Basic R_primitive E_primitive L_primitive N_primitive T_primitive
  R_gradient E_gradient R_image R_3DTool Hand Eyedropper HourGlass Link Marquee)
set(LUMORA_CURSOR_FILES)
foreach(name ${LUMORA_CURSOR_NAMES})
  list(APPEND LUMORA_CURSOR_FILES ${LUMORA_SHARE_DIR}/data/${name}.dat)
endforeach()
add_custom_command(OUTPUT ${LUMORA_CURSOR_FILES}
  COMMAND lumora-assets cursors ${LUMORA_SHARE_DIR}/data
  DEPENDS lumora-assets
  COMMENT "Drawing the cursors"
  VERBATIM)
add_custom_command(OUTPUT ${LUMORA_SHARE_DIR}/data/Splash.dat
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:lumora-assets> splash ${LUMORA_SHARE_DIR}/data/Splash.dat
  DEPENDS lumora-assets
  COMMENT "Drawing the splash picture"
  VERBATIM)
file(GLOB_RECURSE LUMORA_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/help/*)
set(LUMORA_HELP_FILES)
foreach(source ${LUMORA_HELP_SOURCES})
  file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR}/assets/help ${source})
  set(output ${LUMORA_SHARE_DIR}/help/${relative})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${output}
    DEPENDS ${source}
    COMMENT "Copying help page ${relative}"
    VERBATIM)
  list(APPEND LUMORA_HELP_FILES ${output})
endforeach()
add_custom_target(lumora_program_files ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMORA_SHARE_DIR}/stereograms
  DEPENDS ${LUMORA_CURSOR_FILES} ${LUMORA_SHARE_DIR}/data/Splash.dat ${LUMORA_HELP_FILES})
