# The Debian package, made by CPack from the installation: cmake --build BUILD --target package,
# or scripts/package.
set(ORVANTA_MAINTAINER "Orvanta developers <orvanta@example.org>" CACHE STRING
    "Maintainer named in the Debian package")

set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "Orvanta developers")
set(CPACK_PACKAGE_CONTACT ${ORVANTA_MAINTAINER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "speaking on-screen keyboard for augmentative and alternative communication")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanta shows a keyboard of large keys on the screen. People who cannot
speak or use an ordinary keyboard compose text with it, by mouse or with one
or two switches while a cursor scans the keys, and the program reads the text
aloud.
Keyboards of letters, digits and quick phrases with pictures and sounds come
with it; keys are edited in the program, and boards in the Open Board Format
can be opened and saved.
.
The package also holds orvanta-kbt, which converts keyboard tables to JSON,
pictures and Open Board files and back, and orvanta-cfg, which writes and
lists the configuration file.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ORVANTA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the executables link are found by dpkg-shlibdeps; what they load at run
# time is named here: the voices of the speech synthesizer and the picture plugin that draws the
# program's icon. A sound server plays the speech, a font shows the keys, more picture formats
# read other programs' boards.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pipewire-pulse | pulseaudio, fonts-dejavu-core | fonts-liberation, qt6-image-formats-plugins")

# The package's copyright (in Debian's machine-readable format) and changelog, in its doc folder.
# The version has no Debian revision, so the package is a native one: its changelog is
# changelog.gz, not changelog.Debian.gz.
set(ORVANTA_PACKAGE_DOC ${CMAKE_INSTALL_DATADIR}/doc/orvanta)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright
    @ONLY)
execute_process(COMMAND date -u -R -d "${ORVANTA_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE ORVANTA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE dated)
if(NOT dated EQUAL 0)
    message(FATAL_ERROR "Cannot write the release date ${ORVANTA_RELEASE_DATE} for the changelog")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog
    @ONLY)
execute_process(COMMAND ${ORVANTA_GZIP} -9nc ${CMAKE_BINARY_DIR}/packaging/changelog
    OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/changelog.gz RESULT_VARIABLE gzipped)
if(NOT gzipped EQUAL 0)
    message(FATAL_ERROR "Cannot compress the changelog")
endif()
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${ORVANTA_PACKAGE_DOC})

include(CPack)
