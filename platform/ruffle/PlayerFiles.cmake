# zingbox_add_player_files(<target> <folder>)
#
# Copies the host page and the Ruffle package into <folder>/player, with the list of
# files the player checks at start-up, as part of the default build. <folder> is a
# program folder: the one of the program, or one that a test executable runs from.

function(zingbox_add_player_files target folder)
  set(page_dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/page)
  set(engine_dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/node_modules/@ruffle-rs/ruffle)
  file(GLOB page_files RELATIVE ${page_dir} CONFIGURE_DEPENDS ${page_dir}/*)
  file(GLOB engine_files RELATIVE ${engine_dir} CONFIGURE_DEPENDS
    ${engine_dir}/*.js ${engine_dir}/*.wasm ${engine_dir}/package.json ${engine_dir}/LICENSE_*)
  if(NOT engine_files)
    message(FATAL_ERROR "Ruffle is not installed in ${engine_dir}; run `make setup` first")
  endif()

  set(player_dir ${folder}/player)
  set(copies)
  set(listed)
  foreach(file IN LISTS page_files)
    list(APPEND copies ${page_dir}/${file}:${file})
  endforeach()
  foreach(file IN LISTS engine_files)
    list(APPEND copies ${engine_dir}/${file}:ruffle/${file})
  endforeach()

  set(outputs)
  foreach(copy IN LISTS copies)
    string(REPLACE ":" ";" parts ${copy})
    list(GET parts 0 source)
    list(GET parts 1 relative)
    add_custom_command(
      OUTPUT ${player_dir}/${relative}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${player_dir}/${relative}
      DEPENDS ${source}
      VERBATIM)
    list(APPEND outputs ${player_dir}/${relative})
    string(APPEND listed "${relative}\n")
  endforeach()

  file(GENERATE OUTPUT ${player_dir}/engine-files.txt CONTENT "${listed}")
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
