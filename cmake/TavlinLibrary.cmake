# tavlin_add_library(NAME FOLDER <subsystem> SOURCES <files> [LINK <libraries>] [RESOURCES <files>])
#
# A static library of one subsystem. Its headers are reachable only as "<subsystem>/<file>" through
# an include folder of the library's own, which holds links to exactly the headers it lists, so a
# library sees only the headers of the libraries it links: an include that points the wrong way
# fails to compile instead of building silently.
function(tavlin_add_library name)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES;LINK;RESOURCES" ${ARGN})
  qt_add_library(${name} STATIC ${ARG_SOURCES})
  set(include_dir ${CMAKE_BINARY_DIR}/include/${name})
  file(REMOVE_RECURSE ${include_dir})
  foreach(source IN LISTS ARG_SOURCES)
    if(source MATCHES "\\.h$")
      get_filename_component(link_dir ${include_dir}/${ARG_FOLDER}/${source} DIRECTORY)
      file(MAKE_DIRECTORY ${link_dir})
      file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${include_dir}/${ARG_FOLDER}/${source}
           SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${name} PUBLIC ${include_dir})
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
  if(ARG_RESOURCES)
    qt_add_resources(${name} "${name}_resources" PREFIX "/" BASE ${PROJECT_SOURCE_DIR}/res
                     FILES ${ARG_RESOURCES})
  endif()
endfunction()
