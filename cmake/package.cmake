# What an author downloads: one ZIP archive with the shipping kiveron.exe,
# kiveron-check.exe, the authors' guide and the sample disc laid out ready to
# copy to a medium. The release preset builds it with everything else, as
# build/release/kiveron-<version>.zip.
if(KIVERON_BUILD_TESTS OR NOT TARGET kiveron OR NOT TARGET kiveron-check)
    return()
endif()

# cpack installs what the build made; it must not build "all" again, which
# would pack again from inside the packing.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(KIVERON_ARCHIVE kiveron-1.0)

install(TARGETS kiveron kiveron-check RUNTIME DESTINATION .)
install(FILES README.md DESTINATION .)
install(FILES docs/menu-format.md docs/sample-disc.png docs/designing-the-picture.png DESTINATION docs)
install(DIRECTORY examples/sample-disc/ DESTINATION sample-disc)
install(TARGETS kiveron demo RUNTIME DESTINATION sample-disc)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kiveron)
set(CPACK_PACKAGE_FILE_NAME ${KIVERON_ARCHIVE})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)

# Made by the ordinary build, once the programs it holds are built.
add_custom_target(download_archive ALL
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -B ${CMAKE_BINARY_DIR}
    DEPENDS kiveron kiveron-check demo
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Packing ${KIVERON_ARCHIVE}.zip")
