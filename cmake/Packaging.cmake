# Installing the three programs as a Linux system expects (FHS under CMAKE_INSTALL_PREFIX) and
# packing them with CPack: a Debian package whose dependencies come from the binaries, and a
# tarball. The files beside the programs (desktop entry, icons, AppStream metadata, udev rule,
# bash completion) live in dist/; the manual pages are made from the programs' --help.
#
#   cmake --install build --prefix /usr/local
#   cd build && cpack -G DEB      # or TGZ

include(GNUInstallDirs)

set(CORVA_APP_ID "org.corvadsp.CorvaDsp")
set(CORVA_HOMEPAGE_URL "https://corva-dsp.example.org"
    CACHE STRING "Project home page; the AppStream screenshot is looked for under it")
set(CORVA_RELEASE_DATE "2026-12-09" CACHE STRING "Date of this version, for AppStream")
set(CORVA_PACKAGE_MAINTAINER "Corva DSP developers <developers@corva-dsp.example.org>"
    CACHE STRING "Maintainer named in the Debian package")
# Where udev reads rules shipped with packages. With another prefix (/usr/local) udev does not
# look there: the README says to copy the rule to /etc/udev/rules.d.
set(CORVA_UDEV_RULES_DIR "lib/udev/rules.d"
    CACHE STRING "Folder of the udev rule, relative to the install prefix")

set(corva_dist ${PROJECT_SOURCE_DIR}/dist)

install(TARGETS corva-dsp corva-dsp-cli corva-dsp-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${corva_dist}/${CORVA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${corva_dist}/${CORVA_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/dist/${CORVA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${CORVA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${corva_dist}/icons/${CORVA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${corva_dist}/icons/${CORVA_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${CORVA_APP_ID}.png)
endforeach()

install(FILES ${corva_dist}/70-corva-dsp.rules DESTINATION ${CORVA_UDEV_RULES_DIR})
install(FILES ${corva_dist}/corva-dsp-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME corva-dsp-cli)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corva-dsp)

# Manual pages from each program's --help and --version, rebuilt with the program.
find_program(CORVA_HELP2MAN help2man REQUIRED)
set(corva_man_pages)
foreach(entry
        "corva-dsp|tune a six-channel car-audio signal processor"
        "corva-dsp-cli|tune a six-channel car-audio signal processor from the command line"
        "corva-dsp-sim|a simulated six-channel car-audio signal processor")
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 program)
  list(GET entry 1 summary)
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${CORVA_HELP2MAN} --no-info --no-discard-stderr --section=1
            "--name=${summary}" --include=${corva_dist}/man-see-also.h2m
            --output=${page} $<TARGET_FILE:${program}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${program} ${corva_dist}/man-see-also.h2m
    COMMENT "Manual page of ${program}"
    VERBATIM)
  list(APPEND corva_man_pages ${page}.gz)
endforeach()
add_custom_target(corva_man_pages ALL DEPENDS ${corva_man_pages})
install(FILES ${corva_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The packages.
set(CPACK_PACKAGE_NAME corva-dsp)
set(CPACK_PACKAGE_VENDOR "Corva DSP")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control program for a six-channel car-audio DSP")
set(CPACK_PACKAGE_DESCRIPTION
    "Tunes a six-channel car-audio signal processor live over USB, the network or a serial\
 line: equaliser, crossovers, delay, gain, presets, password lock and firmware updates.\
 Includes the window corva-dsp, the command-line tool corva-dsp-cli and the simulated\
 processor corva-dsp-sim.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${CORVA_HOMEPAGE_URL})
set(CPACK_PACKAGE_CONTACT ${CORVA_PACKAGE_MAINTAINER})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB;TGZ")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CORVA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the libraries' own dependencies do not name them: Qt's platform
# plugins (the window does not open without one), the fonts of the Chinese texts and Qt's
# own Chinese texts (its standard buttons and menus).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${corva_dist}/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

# The package test: the Debian package built from this tree, unpacked, its programs started.
add_test(NAME PackageInstallsAndRuns
         COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                 ${corva_dist}/test-package.sh ${CMAKE_BINARY_DIR} ${CMAKE_CPACK_COMMAND})
set_tests_properties(PackageInstallsAndRuns PROPERTIES TIMEOUT 600)
