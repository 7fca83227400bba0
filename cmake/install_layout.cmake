# Where an install puts each part. The modules and their help documents share one private library
# folder; trellis is told at build time where that folder lies relative to its own, so an installed
# trellis finds its modules from any working folder and under any prefix.
include(GNUInstallDirs)

set(TRELLIS_INSTALL_MODULEDIR lib/trellis)
set(TRELLIS_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/trellis)
set(TRELLIS_INSTALL_COMPLETIONDIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

file(RELATIVE_PATH TRELLIS_MODULE_FOLDER_FROM_PROGRAM
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${TRELLIS_INSTALL_MODULEDIR})
string(APPEND TRELLIS_MODULE_FOLDER_FROM_PROGRAM "/")
