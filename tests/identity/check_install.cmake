# Installs the project into a staging tree (DESTDIR) under /usr and checks
# what lands there: exactly the expected files, a valid desktop entry, the
# PNG icons as built, and a manual page that carries the version.
# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPNG_DIR=... -DWORK_DIR=... -P ...

cmake_minimum_required(VERSION 3.20)
include("${SOURCE_DIR}/cmake/read_version.cmake")

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${WORK_DIR}
          ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root "${WORK_DIR}/usr")
set(expected
  bin/brevon
  share/applications/brevon.desktop
  share/icons/hicolor/16x16/apps/brevon.png
  share/icons/hicolor/32x32/apps/brevon.png
  share/icons/hicolor/48x48/apps/brevon.png
  share/man/man1/brevon.1)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files:\n  ${installed}\nexpected:\n  ${expected}")
endif()

execute_process(COMMAND test -x "${root}/bin/brevon" RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
  message(FATAL_ERROR "bin/brevon is not executable")
endif()

set(desktop "${root}/share/applications/brevon.desktop")
file(STRINGS "${desktop}" entry)
foreach(line IN ITEMS "Type=Application" "Name=Brevon" "Comment=Simple confirmation utility"
                      "Exec=brevon" "Icon=brevon" "Terminal=false" "NoDisplay=true")
  list(FIND entry "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "brevon.desktop lacks '${line}'")
  endif()
endforeach()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0 OR out MATCHES "error|warning")
    message(FATAL_ERROR "desktop-file-validate:\n${out}")
  endif()
else()
  message(WARNING "desktop-file-validate not found (desktop-file-utils); entry not validated")
endif()

foreach(size IN ITEMS 16 32 48)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files "${PNG_DIR}/brevon-${size}.png"
            "${root}/share/icons/hicolor/${size}x${size}/apps/brevon.png"
    RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    message(FATAL_ERROR "the installed ${size}x${size} icon is not the one built")
  endif()
endforeach()

set(man "${root}/share/man/man1/brevon.1")
file(READ "${man}" page)
foreach(needed IN ITEMS ".TH BREVON 1" "Brevon ${BREVON_VERSION_TEXT}" ".SH NAME"
                        ".SH SYNOPSIS" ".SH DESCRIPTION" ".SH \"EXIT STATUS\"" "single spaces"
                        "brevon: ")
  string(FIND "${page}" "${needed}" at)
  if(at LESS 0)
    message(FATAL_ERROR "brevon.1 lacks '${needed}'")
  endif()
endforeach()
find_program(MAN man)
if(MAN)
  # man reports troff problems (unknown macros, bad escapes) on stderr.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                          "${MAN}" --warnings -E UTF-8 -l -Tutf8 "${man}"
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE warnings)
  if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "man -l brevon.1:\n${warnings}")
  endif()
endif()
