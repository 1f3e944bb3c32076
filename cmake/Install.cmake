# What `cmake --install` puts where, and the Debian package CPack makes of it.
include(GNUInstallDirs)

set(QM_SHARE_DIR "${CMAKE_INSTALL_DATADIR}/quillmark")
# Named after the package (GNUInstallDirs would take the project's capitalised name).
set(QM_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/quillmark")

install(TARGETS qm quillmark RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
if(TARGET vbhost)
    install(TARGETS vbhost RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
endif()

# The files that ship with the add-in: templates, the settings template, the user guide, the
# library's first objects. Read-only once installed; the programs find them in share/quillmark
# beside their bin/ folder.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/resources/" DESTINATION "${QM_SHARE_DIR}")

install(FILES "${PROJECT_SOURCE_DIR}/packaging/quillmark-vbhost.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/quillmark.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/qm.bash-completion"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions" RENAME qm)

# Manual pages and the changelog are installed compressed, as Debian wants them: gzip -n keeps
# the package reproducible (no name or time stamp in the archive).
find_program(QM_GZIP gzip REQUIRED)
set(QM_COMPRESSED)
function(qm_compress source output)
    add_custom_command(OUTPUT "${output}"
        COMMAND sh -c "\"$1\" -9 -n -c \"$2\" > \"$3\"" gzip "${QM_GZIP}" "${source}" "${output}"
        DEPENDS "${source}" VERBATIM)
    set(QM_COMPRESSED ${QM_COMPRESSED} "${output}" PARENT_SCOPE)
endfunction()
foreach(page qm vbhost quillmark)
    qm_compress("${PROJECT_SOURCE_DIR}/docs/man/${page}.1" "${CMAKE_BINARY_DIR}/man/${page}.1.gz")
    install(FILES "${CMAKE_BINARY_DIR}/man/${page}.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endforeach()
qm_compress("${PROJECT_SOURCE_DIR}/packaging/changelog" "${CMAKE_BINARY_DIR}/man/changelog.gz")
file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/man")
add_custom_target(qm_compressed ALL DEPENDS ${QM_COMPRESSED})
install(FILES "${CMAKE_BINARY_DIR}/man/changelog.gz" "${PROJECT_SOURCE_DIR}/packaging/copyright"
        DESTINATION "${QM_DOC_DIR}")

# The Debian package.
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark developers")
set(CPACK_PACKAGE_CONTACT "Quillmark developers <quillmark@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer's toolbox for classic Basic projects")
set(CPACK_PACKAGE_DESCRIPTION_FILE "${PROJECT_SOURCE_DIR}/packaging/description")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/quillmark")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_DEBUG OFF)
include(CPack)
