# Translations, help pages and desktop integration of the program. Included by
# resources/CMakeLists.txt; everything lands in bin/ beside the executables.

# English.qm and Chinese.qm from the .ts sources (scripts/update-translations.sh
# collects the texts from src/).
set(htprog_ts_files
    ${CMAKE_CURRENT_SOURCE_DIR}/en/English.ts
    ${CMAKE_CURRENT_SOURCE_DIR}/zh/Chinese.ts)
set_source_files_properties(${htprog_ts_files} PROPERTIES OUTPUT_LOCATION ${HTPROG_RUNTIME_DIR})
add_custom_target(htprog_translations ALL)
qt_add_lrelease(htprog_translations
    TS_FILES ${htprog_ts_files}
    OPTIONS -silent
    QM_FILES_OUTPUT_VARIABLE htprog_qm_files)

# Help pages: bin/help/<en|zh>/, one page per topic and topics.map.
file(GLOB_RECURSE htprog_help_files CONFIGURE_DEPENDS
    RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/help ${CMAKE_CURRENT_SOURCE_DIR}/help/*)
foreach(file IN LISTS htprog_help_files)
    configure_file(help/${file} ${HTPROG_RUNTIME_DIR}/help/${file} COPYONLY)
endforeach()

if(TARGET htprog)
    add_dependencies(htprog htprog_translations)
    include(GNUInstallDirs)
    install(FILES Program.ini ${htprog_qm_files} DESTINATION ${HTPROG_INSTALL_APPDIR})
    install(DIRECTORY help DESTINATION ${HTPROG_INSTALL_APPDIR})
    install(FILES htprog.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES icons/htprog.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
