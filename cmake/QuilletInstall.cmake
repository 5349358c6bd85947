# Where `cmake --install` puts the suite on a Linux system, and the Debian
# package built from it (`cpack -G DEB`, or scripts/package).
#
# Programs in bin; the link library with its SONAME, header and pkg-config
# file for other programs; the upgrader in a private folder that the desktop
# program finds from its own location; desktop entries, file types, icons,
# manual pages and documentation in share.
set(QUILLET_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/quillet")

install(TARGETS quillet-cli torvik-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET quillet)
  install(TARGETS quillet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET rivo32)
  install(TARGETS rivo32 RUNTIME DESTINATION ${QUILLET_UPDATER_DIR})
endif()
install(TARGETS torvlink
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES link/torvlink.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
configure_file(link/torvlink.pc.in torvlink.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/torvlink.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

add_subdirectory(resources/desktop)
add_subdirectory(docs)

include(cmake/QuilletPackaging.cmake)
