# zingbox_add_player_files(<target> <folder>)
#
# Copies the host page and the Ruffle files that run into <folder>/player, with the
# list of files the player checks at start-up, as part of the default build. <folder>
# is a program folder: the one of the program, or one that a test executable runs from.
# The target's PLAYER_FILES property lists the files, relative to <folder>/player, for
# install rules: the folder may hold files that an earlier engine version left.

# zingbox_engine_build(<folder_var> <files_var>)
#
# Ruffle carries two builds, each a core script and a .wasm module: one for browsers with
# the WebAssembly extensions (bulk memory, reference types, SIMD, sign extension,
# saturating conversions), and a vanilla one that its loader falls back to. Our engine
# has all five, so only the first can ever load. Which files those are is read from the
# loader itself; if it no longer reads as expected, the build stops here rather than
# ship a build that the page will never ask for.
function(zingbox_engine_build folder_var files_var)
  set(engine_dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/node_modules/@ruffle-rs/ruffle)
  set(loader_file ${engine_dir}/ruffle.js)
  if(NOT EXISTS ${loader_file})
    message(FATAL_ERROR "Ruffle is not installed in ${engine_dir}; run `make setup` first")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${loader_file})
  file(READ ${loader_file} loader)

  set(name "[A-Za-z_$][A-Za-z0-9_$]*")
  set(fallback_message "Some WebAssembly extensions are NOT available")
  string(FIND "${loader}" "${fallback_message}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Ruffle's loader (${loader_file}) no longer says when it falls back to "
                        "its vanilla build; check which of its builds runs in Qt WebEngine")
  endif()
  # The flag that says every extension is there, tested just before the message, then
  # the chunk and the module picked by that same flag.
  math(EXPR from "${at} - 40")
  string(SUBSTRING "${loader}" ${from} 1200 choice)
  set(pattern "(${name})\\|\\|console\\.log\\(\"${fallback_message}[^\"]*\"\\).*"
              "\\((${name})\\?${name}\\.e\\(([0-9]+)\\).*"
              "=(${name})\\?new URL\\(${name}\\(([0-9]+)\\),${name}\\.b\\):new URL\\(")
  string(CONCAT pattern ${pattern})
  if(NOT choice MATCHES "${pattern}" OR NOT CMAKE_MATCH_2 STREQUAL CMAKE_MATCH_1 OR
     NOT CMAKE_MATCH_4 STREQUAL CMAKE_MATCH_1)
    message(FATAL_ERROR "Ruffle's loader (${loader_file}) no longer picks its build as expected; "
                        "check which of its builds runs in Qt WebEngine")
  endif()
  set(chunk_id ${CMAKE_MATCH_3})
  set(module_id ${CMAKE_MATCH_5})

  if(NOT loader MATCHES "\"core\\.ruffle\\.\"\\+\\{([^}]*)\\}\\[" OR
     NOT CMAKE_MATCH_1 MATCHES "(^|,)${chunk_id}:\"([0-9a-f]+)\"")
    message(FATAL_ERROR "Ruffle's loader (${loader_file}) names no core script for chunk ${chunk_id}")
  endif()
  set(core_script core.ruffle.${CMAKE_MATCH_2}.js)

  if(NOT loader MATCHES "[^0-9]${module_id}\\(${name},${name},${name}\\)\\{${name}\\.exports=${name}\\.p\\+\"([0-9a-f]+\\.wasm)\"\\}")
    message(FATAL_ERROR "Ruffle's loader (${loader_file}) names no .wasm file for module ${module_id}")
  endif()
  set(module ${CMAKE_MATCH_1})

  foreach(file IN ITEMS ${core_script} ${module})
    if(NOT EXISTS ${engine_dir}/${file})
      message(FATAL_ERROR "Ruffle's loader asks for ${file}, which its package lacks")
    endif()
  endforeach()
  set(${folder_var} ${engine_dir} PARENT_SCOPE)
  set(${files_var} ruffle.js ${core_script} ${module} PARENT_SCOPE)
endfunction()

function(zingbox_add_player_files target folder)
  set(page_dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/page)
  file(GLOB page_files RELATIVE ${page_dir} CONFIGURE_DEPENDS ${page_dir}/*)
  zingbox_engine_build(engine_dir engine_files)

  set(player_dir ${folder}/player)
  set(copies)
  set(listed)  # relative to the player folder
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
    list(APPEND listed ${relative})
  endforeach()

  list(JOIN listed "\n" list_text)
  file(GENERATE OUTPUT ${player_dir}/engine-files.txt CONTENT "${list_text}\n")
  add_custom_target(${target} ALL DEPENDS ${outputs})
  set_property(TARGET ${target} PROPERTY PLAYER_FILES ${listed} engine-files.txt)
endfunction()
