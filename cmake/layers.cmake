# Layer libraries. Every header is included by its folder, as "model/menu_item.h". Instead of
# opening the whole source root, each layer publishes an include folder that holds only a link
# to its own source folder, so a layer sees the headers of exactly the layers it links, and an
# include of a higher layer fails to compile.

set(TRELLIS_LAYER_INCLUDE_ROOT ${CMAKE_BINARY_DIR}/layer-include)

# Makes FOLDER (relative to the source root) includable as "FOLDER/..." by whoever links TARGET.
function(trellis_publish_headers target folder)
  set(root ${TRELLIS_LAYER_INCLUDE_ROOT}/${folder})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# trellis_layer(NAME FOLDER SOURCES ... [PUBLIC_LAYERS ...] [PRIVATE_LAYERS ...])
# A static library named trellis_NAME from the listed sources of FOLDER.
function(trellis_layer name folder)
  cmake_parse_arguments(LAYER "" "" "SOURCES;PUBLIC_LAYERS;PRIVATE_LAYERS" ${ARGN})
  set(target trellis_${name})
  list(TRANSFORM LAYER_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/${folder}/)
  add_library(${target} STATIC ${LAYER_SOURCES})
  trellis_publish_headers(${target} ${folder})
  foreach(layer ${LAYER_PUBLIC_LAYERS})
    target_link_libraries(${target} PUBLIC trellis_${layer})
  endforeach()
  foreach(layer ${LAYER_PRIVATE_LAYERS})
    target_link_libraries(${target} PRIVATE trellis_${layer})
  endforeach()
endfunction()
