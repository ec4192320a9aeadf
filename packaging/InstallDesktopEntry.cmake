# Runs at install time, so that the desktop entry names the folder the pictures
# really went to: the prefix given to `cmake --install --prefix`, or /usr when
# the Debian package is built, may differ from the one the build was configured
# with. The program reads Immagini/ relative to its working folder, so the
# entry's Path= must be that folder.
#
# Set before this script runs (packaging/Packaging.cmake): baricor_desktop_template,
# baricor_datadir (relative to the prefix, or absolute), baricor_staging_dir.

if(IS_ABSOLUTE "${baricor_datadir}")
  set(datadir "${baricor_datadir}")
else()
  set(datadir "${CMAKE_INSTALL_PREFIX}/${baricor_datadir}")
endif()
set(BARICOR_DATA_DIR "${datadir}/baricor")
configure_file("${baricor_desktop_template}" "${baricor_staging_dir}/baricor.desktop" @ONLY)
file(INSTALL DESTINATION "${datadir}/applications" TYPE FILE FILES "${baricor_staging_dir}/baricor.desktop")
