# tidewell_sources(VAR DIR...) collects the .cpp files of the given folders
# (not recursive), so a new unit needs no edit of a shared list.
function(tidewell_sources out)
  set(all)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND all ${found})
  endforeach()
  list(SORT all)
  set(${out} ${all} PARENT_SCOPE)
endfunction()

# tidewell_renderer(NAME SOURCES file... LIBS lib...) adds the development
# tool render-NAME: it renders screens offscreen into PNG files in the folder
# given as its only argument. scripts/screens builds and runs every one.
function(tidewell_renderer name)
  cmake_parse_arguments(R "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(render-${name} ${R_SOURCES})
  target_link_libraries(render-${name} PRIVATE ${R_LIBS})
  set_target_properties(render-${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/renderers)
  set_property(GLOBAL APPEND PROPERTY TIDEWELL_RENDERERS render-${name})
endfunction()

# tidewell_sources_recursive(VAR) collects every .cpp below the current
# folder, for layers split into one folder per feature (models, screens).
function(tidewell_sources_recursive out)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(SORT found)
  set(${out} ${found} PARENT_SCOPE)
endfunction()
