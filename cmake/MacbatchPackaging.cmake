# What `cmake --install` puts where, and the packages CPack makes of it:
# natively a Debian package of macbatch-cli, for Windows a zip of both
# programs. tools/package.sh builds both into build/packages.

set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "macbatch")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_SOURCE_DIR}/build/packages)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  install(TARGETS macbatch macbatch-cli RUNTIME DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME macbatch)
  set(CPACK_PACKAGE_FILE_NAME macbatch-${PROJECT_VERSION}-windows-x86_64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  include(GNUInstallDirs)
  set(docdir ${CMAKE_INSTALL_DATADIR}/doc/macbatch-cli)
  install(TARGETS macbatch-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${docdir})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME macbatch-cli)

  # The manual page is made from the program's own --help, so that it cannot
  # drift from the options; packaging/macbatch-cli.h2m adds the examples.
  find_program(HELP2MAN help2man)
  find_program(GZIP gzip REQUIRED)
  if(HELP2MAN AND NOT CMAKE_CROSSCOMPILING)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/macbatch-cli.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${HELP2MAN} --no-info --no-discard-stderr
              --name "make batches of unique random MAC addresses, and name their vendors"
              --section 1 --include ${PROJECT_SOURCE_DIR}/packaging/macbatch-cli.h2m
              --output ${page} $<TARGET_FILE:macbatch-cli>
      COMMAND ${GZIP} -9nf ${page}
      DEPENDS macbatch-cli ${PROJECT_SOURCE_DIR}/packaging/macbatch-cli.h2m
      VERBATIM)
    add_custom_target(macbatch-cli-manual ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()

  # Debian wants its own change log beside the copyright, compressed.
  configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    COMMAND ${GZIP} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog VERBATIM)
  add_custom_target(macbatch-cli-changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${docdir})

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME macbatch-cli)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SECTION net)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "macbatch developers <macbatch-dev@example.org>")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batches of unique random MAC addresses, and offline vendor lookup")
  # CPack puts the summary first; this is the extended description after it.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "macbatch-cli makes batches of random MAC addresses whose first three octets
are real vendor prefixes, with no duplicates and none of a given list. It
draws from a built-in table, from every IEEE assignment of a vendor, or makes
locally administered addresses; prints them in several formats, optionally
wrapped in a script; and names the organisation of any address from the
IEEE registries compiled into it, with no network.")
endif()

include(CPack)
