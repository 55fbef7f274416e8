# cmake --install and cpack -G DEB: the two programs in bin/, the bundled archive
# and first-start files plus the guide in share/sestina/ (an installed program
# copies them into the user's data folder on first start), the menu entry, the
# icon in the hicolor theme and the manual page of sestina-cli.
include(GNUInstallDirs)

install(TARGETS sestina sestina-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the program looks for them, relative to bin/ (app/SceltaCartella.h).
set(_dati ${CMAKE_INSTALL_DATADIR}/sestina)
install(FILES
  ${SESTINA_PROGRAM_DIR}/Superena.cxz ${SESTINA_PROGRAM_DIR}/ggmeanno1.cxz
  ${CMAKE_SOURCE_DIR}/data/GiorniEstrazione1.DAT ${CMAKE_SOURCE_DIR}/data/listaloghi.DAT
  ${CMAKE_SOURCE_DIR}/data/logo_sestina.png ${CMAKE_SOURCE_DIR}/data/logo_ricevitoria.png
  DESTINATION ${_dati})
install(DIRECTORY ${SESTINA_GUIDA_DIR} DESTINATION ${_dati})
install(FILES ${CMAKE_SOURCE_DIR}/data/sestina.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${SESTINA_ICONE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_BINARY_DIR}/sestina-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME sestina)
set(CPACK_PACKAGE_VENDOR "Sestina")
set(CPACK_PACKAGE_CONTACT "Sestina <sestina@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "archivio e statistiche del SuperEnalotto")
set(CPACK_PACKAGE_DESCRIPTION "Archivio delle estrazioni del SuperEnalotto con statistiche, ritardi, numeri spia,
metodi di previsione, sistemi e schedine; comprende lo strumento a riga di comando sestina-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not seen by the library scan: the window system plugins, the fonts every text
# needs, Qt's Italian translations for the standard dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
