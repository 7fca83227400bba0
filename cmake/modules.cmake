# trellis_module(NAME ENTRY): a plug-in module, a shared object named as the host expects it.
# The static layers are linked with --exclude-libs so two loaded modules never share a symbol.
# Each module draws its design view and measures on the screen through the QPainter canvas, and
# edits its objects in the Qt properties sheet.
function(trellis_module name entry)
  add_library(${name} MODULE ${entry} ${CMAKE_SOURCE_DIR}/plugins/install_screen_canvas.cpp)
  target_link_libraries(${name} PRIVATE trellis_generations trellis_extension trellis_qt_canvas trellis_editor)
  target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL -Wl,--no-undefined)
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".cvx64" OUTPUT_NAME ${name})
endfunction()
