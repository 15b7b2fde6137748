# The Debian package of Tolvane, built by `cpack -G DEB` from a configured build tree.

set(TOLVANE_MAINTAINER "Tolvane developers <tolvane@users.noreply.github.com>"
  CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR DEB)
endif()
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TOLVANE_MAINTAINER}")
set(CPACK_PACKAGE_VENDOR "Tolvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random maze builder and solver")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description under the summary line; CPack indents it and turns the empty line into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tolvane builds random mazes in which every cell can be reached from every
other by exactly one route, with S in the top-left corner and G in the
bottom-right one, and solves them: one button builds a new maze, the other
draws the route from S to G as a red line that grows cell by cell. Mazes are
21 by 21 cells unless another size is chosen, up to 1001 by 1001 for a poster.

A maze can also be played: the arrow keys or the mouse move a marker that
leaves a trail, with a clock, a move count and, at G, the shortest route to
compare with. With a screen reader every move is spoken.

Every maze has a ten-character code that builds the same maze again, so a
maze can be shared and opened elsewhere. A maze can be copied, saved as a
PNG, SVG or PDF file, or printed, with or without its solution, and from the
command line Tolvane writes worksheets for a class without opening a window:
mazes of one size or of one of five levels by age, with a title, a name line,
several mazes to a page, page numbers and an answer key.")
# dpkg-shlibdeps finds the libraries the executable links. What Qt loads at run time is invisible to it: the
# platform plugin that opens the window and the Japanese font the window asks for by name. On Debian 12 the X11
# platform plugin (libqxcb.so) ships in libqt6gui6, which the linked libraries already bring; qt6-qpa-plugins
# holds only the VNC plugin. The font has to be named. The package test runs the program and checks that
# every file it maps comes from a package this one depends on. A word's outline is cut from DejaVu Sans
# Bold, so that a word's code builds the same maze everywhere: that face is named too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-vlgothic, fonts-dejavu-core")
# On a Wayland desktop Qt looks for its Wayland platform plugin first and otherwise runs through
# XWayland with the X11 one; the native plugin is better but not required. Qt's own translations put
# its standard dialogs (file, print) in the user's language too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

# The package's own files, and the script that moves the staged tree into the Debian layout.
set(CPACK_TOLVANE_DEBIAN_DIR ${PROJECT_BINARY_DIR}/debian)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright ${CPACK_TOLVANE_DEBIAN_DIR}/copyright COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in ${CPACK_TOLVANE_DEBIAN_DIR}/changelog @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/resources/debian/stage.cmake)

include(CPack)
