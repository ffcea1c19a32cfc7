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
