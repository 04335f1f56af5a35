# Install rules and the Debian package. Included at the end of the top-level
# CMakeLists.txt, so that every target (curvix-lab among them, where it exists)
# is already defined when the rules below ask for it.
#
#   cmake --install BUILD --prefix P     the programs, launcher, font, menu entry,
#                                        icon, manual pages, licences and
#                                        documentation under P
#   cpack -G DEB  (in BUILD)             curvix_VERSION_ARCH.deb, installing under /usr

include(GNUInstallDirs)

set(CURVIX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
# The font stays in a fonts/ folder of its own: the program opens
# "fonts/garamond1.glf" relative to its working directory, and the launcher
# links a fonts/ entry in the user's folder to exactly this folder.
set(CURVIX_INSTALL_FONTDIR ${CMAKE_INSTALL_DATADIR}/curvix/fonts)
set(CURVIX_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/curvix)

# ---------------------------------------------------------------- programs

install(TARGETS curvix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET curvix-lab)
  install(TARGETS curvix-lab RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The launcher finds the font folder relative to its own location, so one
# script serves /usr, /usr/local and any --prefix given to cmake --install.
file(RELATIVE_PATH CURVIX_LAUNCHER_TO_FONTS ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/curvix/fonts)
configure_file(${CURVIX_PACKAGING_DIR}/curvix-launcher.in
               ${PROJECT_BINARY_DIR}/packaging/curvix-launcher @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/curvix-launcher
        DESTINATION ${CMAKE_INSTALL_BINDIR})

# ---------------------------------------------------------------- data

install(FILES ${PROJECT_SOURCE_DIR}/fonts/garamond1.glf ${PROJECT_SOURCE_DIR}/fonts/OFL.txt
        DESTINATION ${CURVIX_INSTALL_FONTDIR})
install(FILES ${CURVIX_PACKAGING_DIR}/curvix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CURVIX_PACKAGING_DIR}/curvix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# ---------------------------------------------------------------- documentation

# Debian keeps manual pages compressed; gzip -n leaves out the time stamp so
# the package is the same from build to build.
find_program(CURVIX_GZIP gzip)
set(CURVIX_MAN_PAGES curvix.1)
if(TARGET curvix-lab)
  list(APPEND CURVIX_MAN_PAGES curvix-lab.1)
endif()
set(CURVIX_INSTALLED_MAN_PAGES "")
foreach(page ${CURVIX_MAN_PAGES})
  if(CURVIX_GZIP)
    add_custom_command(
      OUTPUT ${PROJECT_BINARY_DIR}/packaging/${page}.gz
      COMMAND ${CURVIX_GZIP} -9 -n -c ${CURVIX_PACKAGING_DIR}/${page}
              > ${PROJECT_BINARY_DIR}/packaging/${page}.gz
      DEPENDS ${CURVIX_PACKAGING_DIR}/${page}
      COMMENT "Compressing the manual page ${page}"
      VERBATIM)
    list(APPEND CURVIX_INSTALLED_MAN_PAGES ${PROJECT_BINARY_DIR}/packaging/${page}.gz)
  else()
    list(APPEND CURVIX_INSTALLED_MAN_PAGES ${CURVIX_PACKAGING_DIR}/${page})
  endif()
endforeach()
if(CURVIX_GZIP)
  add_custom_target(curvix_man_pages ALL DEPENDS ${CURVIX_INSTALLED_MAN_PAGES})
endif()
# The launcher is described on the program's page; a link gives it the name.
list(GET CURVIX_INSTALLED_MAN_PAGES 0 CURVIX_MAN_PAGE)
get_filename_component(CURVIX_MAN_PAGE_NAME ${CURVIX_MAN_PAGE} NAME)
string(REPLACE "curvix." "curvix-launcher." CURVIX_LAUNCHER_MAN_PAGE_NAME ${CURVIX_MAN_PAGE_NAME})
file(CREATE_LINK ${CURVIX_MAN_PAGE_NAME}
     ${PROJECT_BINARY_DIR}/packaging/${CURVIX_LAUNCHER_MAN_PAGE_NAME} SYMBOLIC)
install(FILES ${CURVIX_INSTALLED_MAN_PAGES}
              ${PROJECT_BINARY_DIR}/packaging/${CURVIX_LAUNCHER_MAN_PAGE_NAME}
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence texts of Debian's machine-readable copyright file come from
# LICENSE and fonts/OFL.txt, so they cannot drift apart. The format wants each
# line of a licence text indented by one space and an empty line written " .".
function(curvix_copyright_licence_text source first_line result)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} text)
  string(FIND "${text}" "${first_line}" start)
  if(start LESS 0)
    message(FATAL_ERROR "${source} does not hold '${first_line}'")
  endif()
  string(SUBSTRING "${text}" ${start} -1 text)
  string(STRIP "${text}" text)
  string(REPLACE "\n" "\n " text " ${text}")
  string(REPLACE "\n \n" "\n .\n" text "${text}")
  string(REPLACE "\n \n" "\n .\n" text "${text}")  # the second of two empty lines in a row
  set(${result} "${text}" PARENT_SCOPE)
endfunction()
curvix_copyright_licence_text(${PROJECT_SOURCE_DIR}/LICENSE "Permission is hereby granted"
                              CURVIX_MIT_LICENCE_TEXT)
curvix_copyright_licence_text(${PROJECT_SOURCE_DIR}/fonts/OFL.txt "SIL OPEN FONT LICENSE"
                              CURVIX_OFL_LICENCE_TEXT)
configure_file(${CURVIX_PACKAGING_DIR}/copyright.in ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)

# The README links its guides and pictures as docs/..., so they go beside it.
# copyright is where Debian looks for a package's licences; LICENSE is the
# project's own, and OFL.txt the font's in full.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
              ${PROJECT_SOURCE_DIR}/fonts/OFL.txt ${PROJECT_BINARY_DIR}/packaging/copyright
        DESTINATION ${CURVIX_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/pictures
        DESTINATION ${CURVIX_INSTALL_DOCDIR}/docs
        FILES_MATCHING PATTERN "*.png" PATTERN "*.svg")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/examples DESTINATION ${CURVIX_INSTALL_DOCDIR}/docs)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CURVIX_INSTALL_DOCDIR}/docs
        FILES_MATCHING PATTERN "*.md")

# ---------------------------------------------------------------- Debian package

# project() carries no version; the number of commits keeps every new build
# of the branch newer than the last in apt's eyes, so thirty machines upgrade
# with a plain apt install of the new file.
set(CURVIX_PACKAGE_VERSION_BASE "0.1.0")
find_package(Git QUIET)
set(CURVIX_COMMIT_COUNT "")
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE CURVIX_COMMIT_COUNT
                  OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET)
endif()
if(CURVIX_COMMIT_COUNT MATCHES "^[0-9]+$")
  set(CPACK_PACKAGE_VERSION "${CURVIX_PACKAGE_VERSION_BASE}+git${CURVIX_COMMIT_COUNT}")
else()
  set(CPACK_PACKAGE_VERSION "${CURVIX_PACKAGE_VERSION_BASE}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME curvix)
set(CPACK_PACKAGE_VENDOR "Curvix maintainers")
set(CPACK_PACKAGE_CONTACT "Curvix maintainers <curvix@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive planar curves and interpolatory subdivision")
set(CPACK_PACKAGE_DESCRIPTION
    "Curvix is a small desktop tool for experimenting with planar curve construction.
You place control points in a window, drag and delete them, and see over them
a Lagrange curve, a Bezier curve or a radial-basis-function (RBF)
interpolating curve. A subdivision command refines the polygon, treated as
closed, one level per command with one of four interpolatory schemes: RBF4,
RBF6, NR4 and D-D. It is meant for people who study and teach curve design:
every number it prints is reproducible bit for bit. The package also holds
curvix-lab, the numbers behind the window on the command line, and the Python
module curvix over the same libraries.")
set(CPACK_STRIP_FILES TRUE)
# Debian's place for packaged programs, whatever prefix the build was configured with.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the libraries the program links: libc6, libstdc++6,
# libgcc-s1, libglut3.12 and GLVND's libopengl0 and libglx0. libGL itself
# (libgl1) comes in only through freeglut, and the Mesa drivers are loaded at
# run time, which no link records; without them a fresh machine opens no
# window, so both are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libgl1-mesa-dri")
# The Python package is in this package, not a python3-curvix of its own: it
# is built from the same libraries in the same build, and its numbers must be
# curvix-lab's, which one version of both guarantees. Its interpreter (the
# module is built for Debian 12's Python 3.11) and numpy are recommended, not
# required: apt installs them by default, and a machine installed with
# --no-install-recommends keeps the window and curvix-lab without Python.
if(TARGET _curvix)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "python3 (>= 3.11), python3 (<< 3.12), python3-numpy")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CURVIX_PACKAGING_DIR}/prerm)
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
