# What `cmake --install` puts in place, and the Debian package built from it
# (`cpack -G DEB` in the build folder).
include(GNUInstallDirs)

foreach(programa configurador-ura ura-tool ura-server-sim ura-tts-sim)
  if(TARGET ${programa})
    install(TARGETS ${programa} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/configurador-ura.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The URA file type (application/x-ura+xml), which the desktop entry names.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/configurador-ura.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_SOURCE_DIR}/src/app/recursos/ura.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
        RENAME configurador-ura.png)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/configurador-ura/examples)
include(${CMAKE_CURRENT_LIST_DIR}/Manuais.cmake)

# What Debian asks of every package: the copyright and the changelog
# (compressed, without a time stamp) in the package's documentation folder.
set(URA_DOC ${CMAKE_INSTALL_DATADIR}/doc/configurador-ura)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/changelog
  COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/changelog
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${URA_DOC})

set(CPACK_PACKAGE_NAME configurador-ura)
set(CPACK_PACKAGE_VENDOR "Talvora")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configurador de URAs de voz e de chat para o servidor de telefonia")
set(CPACK_PACKAGE_DESCRIPTION
    "Assistente de configuração das unidades de resposta audível (URA) e dos
atendimentos por chat do servidor de telefonia. Monta cada URA (menus,
condições de data, hora e variáveis, mensagens de áudio e de chat, opções,
tratamento de opção inválida e de tempo esgotado, ações), guarda-a em XML no
disco ou no servidor, verifica-a antes da ativação e mostra-a num relatório
HTML. Também envia, grava, toca e converte em fala os arquivos de áudio.
.
O pacote traz ainda ura-tool (os mesmos comandos em linha de comando) e os
simuladores ura-server-sim e ura-tts-sim, usados em testes.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Talvora <suporte@talvora.invalid>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Talvora <suporte@talvora.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt and pugixml libraries the programs link, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windowing plugin (xcb) and Qt's Portuguese texts are packages of their
# own; Graphviz loads its layout and picture plugins (libgvc6) at run time
# and measures labels with the DejaVu fonts; the text-to-speech simulator
# speaks through espeak-ng and sox when they are there.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, libgvc6, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "espeak-ng, sox")
set(CPACK_STRIP_FILES ON)
include(CPack)
