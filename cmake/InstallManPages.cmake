# Run by `cmake --install` (and CPack): the manual pages with the version and
# this installation's folders, compressed as Debian keeps them.
set(share "${CMAKE_INSTALL_PREFIX}/${SWTED_DATADIR}")
set(SWTED_SHARE_FOLDER "${share}/swted")
set(SWTED_COMPLETION_FOLDER "${share}/bash-completion/completions")
foreach(page swted swted-cli)
  set(out "${SWTED_BINARY_DIR}/man/${page}.1")
  configure_file("${SWTED_SOURCE_DIR}/docs/man/${page}.1.in" "${out}" @ONLY)
  execute_process(COMMAND gzip -9 -n -f "${out}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip of ${out} failed")
  endif()
  file(INSTALL "${out}.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/${SWTED_MANDIR}/man1")
endforeach()
