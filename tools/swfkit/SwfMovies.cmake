# zingbox_add_movies(TARGET <target> OUTPUT_DIR <dir> RECIPES <source.cpp>... MOVIES <name>...)
#
# Builds a writer from the given recipe sources (each registers movies with
# ZINGBOX_SWF_RECIPE) and writes <dir>/<name>.swf for every listed name as part of the
# default build. <target> is the custom target that owns the movies; depend on it.

function(zingbox_add_movies)
  cmake_parse_arguments(ARG "" "TARGET;OUTPUT_DIR" "RECIPES;MOVIES" ${ARGN})
  if(NOT ARG_TARGET OR NOT ARG_OUTPUT_DIR OR NOT ARG_RECIPES OR NOT ARG_MOVIES)
    message(FATAL_ERROR "zingbox_add_movies needs TARGET, OUTPUT_DIR, RECIPES and MOVIES")
  endif()

  set(writer ${ARG_TARGET}_writer)
  add_executable(${writer} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/FrontEnd.cpp ${ARG_RECIPES})
  target_link_libraries(${writer} PRIVATE zingbox_swfkit)

  set(movies)
  foreach(name IN LISTS ARG_MOVIES)
    set(movie ${ARG_OUTPUT_DIR}/${name}.swf)
    add_custom_command(
      OUTPUT ${movie}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ARG_OUTPUT_DIR}
      COMMAND ${writer} ${name} ${movie}
      DEPENDS ${writer}
      COMMENT "Writing movie ${name}.swf"
      VERBATIM)
    list(APPEND movies ${movie})
  endforeach()
  add_custom_target(${ARG_TARGET} ALL DEPENDS ${movies})
endfunction()
