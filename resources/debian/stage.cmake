# Run by CPack on its staged install tree before it builds the .deb: turns the install layout into that of a
# Debian games package, which keeps its program in /usr/games and carries its copyright and changelog.
# `cmake --install` keeps the plain layout (bin/tolvane) that every other way of installing expects.

set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
if(NOT EXISTS "${root}/bin/tolvane")
  message(FATAL_ERROR "stage.cmake: no staged program at ${root}/bin/tolvane")
endif()

# The program as `tolvane`, and `Tolvane` as a link to it, its old name.
file(MAKE_DIRECTORY "${root}/games")
file(RENAME "${root}/bin/tolvane" "${root}/games/tolvane")
file(REMOVE "${root}/bin/Tolvane")
file(CREATE_LINK tolvane "${root}/games/Tolvane" SYMBOLIC)
file(GLOB left "${root}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${root}/bin")
endif()

set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")
# file(COPY), not file(INSTALL): CPack has DESTDIR set to the staging tree, which file(INSTALL) would prepend.
file(COPY "${CPACK_TOLVANE_DEBIAN_DIR}/copyright" "${CPACK_TOLVANE_DEBIAN_DIR}/changelog"
  DESTINATION "${doc}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# Debian keeps changelogs and manual pages compressed, without names or times in the gzip header so that the
# package comes out the same on every build.
file(GLOB_RECURSE pages "${root}/share/man/*")
foreach(file IN LISTS pages ITEMS "${doc}/changelog")
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "stage.cmake: gzip ${file} failed")
  endif()
endforeach()

# `man Tolvane` finds the page as `man tolvane` does.
if(EXISTS "${root}/share/man/man6/tolvane.6.gz")
  file(CREATE_LINK tolvane.6.gz "${root}/share/man/man6/Tolvane.6.gz" SYMBOLIC)
endif()
