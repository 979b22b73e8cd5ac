# A manual page per program, made at build time by help2man from the
# program's own --help (the pages never drift from what the programs say).
# The programs speak Portuguese: they run in a UTF-8 locale for it.
# Without help2man the pages are left out, with a note.
find_program(URA_HELP2MAN help2man)
if(NOT URA_HELP2MAN)
  message(STATUS "help2man not found: the manual pages are not made")
  return()
endif()

set(URA_MANUAIS)
foreach(programa configurador-ura ura-tool ura-server-sim ura-tts-sim)
  if(NOT TARGET ${programa})
    continue()
  endif()
  # NAME and the sections --help does not give (files, see also).
  set(extra ${CMAKE_SOURCE_DIR}/packaging/man/${programa}.h2m)
  set(pagina ${CMAKE_BINARY_DIR}/man/${programa}.1)
  add_custom_command(
    OUTPUT ${pagina}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ${URA_HELP2MAN} --no-info
            --locale=C.UTF-8 --version-string=${PROJECT_VERSION} --include=${extra} --output=${pagina}
            $<TARGET_FILE:${programa}>
    COMMAND gzip -9nf ${pagina}
    DEPENDS ${programa} ${extra}
    COMMENT "Manual page of ${programa}"
    VERBATIM)
  list(APPEND URA_MANUAIS ${pagina}.gz)
endforeach()
add_custom_target(manuais ALL DEPENDS ${URA_MANUAIS})
install(FILES ${URA_MANUAIS} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
