# Run by CPack once the packages are made: CPack lists the -dbgsym package's debug files in its
# md5sums under their staging paths, leaves them executable and gives the package no documents.
# This rewrites the list with the installed paths, makes the debug files plain data and links
# the package's document folder to the program's, as Debian's own -dbgsym packages have it (it
# depends on the program's exact version).
foreach(ddeb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT ddeb MATCHES "-dbgsym_[^/]*\\.ddeb$")
    continue()
  endif()
  set(tree "${ddeb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${ddeb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${tree}" "${tree}/usr/*")
  list(SORT files)
  set(sums "")
  foreach(f IN LISTS files)
    # Debug files are data to the debugger, not programs to run.
    file(CHMOD "${tree}/${f}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(MD5 "${tree}/${f}" sum)
    string(APPEND sums "${sum}  ${f}\n")
  endforeach()
  file(WRITE "${tree}/DEBIAN/md5sums" "${sums}")
  file(MAKE_DIRECTORY "${tree}/usr/share/doc")
  file(CREATE_LINK calvoro "${tree}/usr/share/doc/calvoro-dbgsym" SYMBOLIC)
  execute_process(COMMAND dpkg-deb --root-owner-group -b "${tree}" "${ddeb}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
