# Builds the Debian package with CPack and checks its control fields, its
# file list, that every shared library the packaged program needs comes from
# a package it depends on, and that the (stripped) program still carries its
# version note.
# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -P ...

cmake_minimum_required(VERSION 3.20)
include("${SOURCE_DIR}/cmake/read_version.cmake")

foreach(tool IN ITEMS dpkg-deb dpkg readelf ldd)
  find_program(tool_path_${tool} ${tool})
  if(NOT tool_path_${tool})
    message(FATAL_ERROR "${tool} is needed to check the package")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B "${WORK_DIR}"
                        --config "${BUILD_DIR}/CPackConfig.cmake"
                WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${out}")
endif()
file(GLOB debs "${WORK_DIR}/*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, got: ${debs}")
endif()

function(field name out)
  execute_process(COMMAND dpkg-deb -f "${debs}" ${name} OUTPUT_VARIABLE value
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

field(Package package)
field(Version version)
field(Maintainer maintainer)
field(Recommends recommends)
field(Depends depends)
if(NOT package STREQUAL "brevon" OR NOT version STREQUAL "${BREVON_VERSION}"
   OR NOT maintainer STREQUAL "Brevon developers" OR NOT recommends MATCHES "fonts-liberation")
  message(FATAL_ERROR "control fields: Package '${package}', Version '${version}', "
                      "Maintainer '${maintainer}', Recommends '${recommends}'")
endif()
string(REGEX REPLACE " *\\([^)]*\\)" "" depends_names "${depends}")
string(REGEX REPLACE " *, *" ";" depends_names "${depends_names}")
foreach(needed IN ITEMS libx11-6 libxft2 libxrandr2 libfontconfig1 libc6)
  list(FIND depends_names ${needed} at)
  if(at LESS 0)
    message(FATAL_ERROR "Depends '${depends}' lacks ${needed}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -c "${debs}" OUTPUT_VARIABLE listing)
foreach(path IN ITEMS ./usr/bin/brevon ./usr/share/applications/brevon.desktop
                      ./usr/share/icons/hicolor/16x16/apps/brevon.png
                      ./usr/share/icons/hicolor/32x32/apps/brevon.png
                      ./usr/share/icons/hicolor/48x48/apps/brevon.png
                      ./usr/share/man/man1/brevon.1)
  string(FIND "${listing}" " ${path}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "the package lacks ${path}:\n${listing}")
  endif()
endforeach()

set(tree "${WORK_DIR}/tree")
execute_process(COMMAND dpkg-deb -x "${debs}" "${tree}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed")
endif()
set(program "${tree}/usr/bin/brevon")

# Each library the program links directly must belong to a package in
# Depends (what those libraries need in turn is their packages' business).
execute_process(COMMAND readelf -d "${program}" OUTPUT_VARIABLE dynamic)
string(REGEX MATCHALL "\\(NEEDED\\)[^[]*\\[[^]]+\\]" needed_entries "${dynamic}")
execute_process(COMMAND ldd "${program}" OUTPUT_VARIABLE libraries)
foreach(entry IN LISTS needed_entries)
  string(REGEX REPLACE ".*\\[([^]]+)\\]" "\\1" soname "${entry}")
  string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" pattern "${soname}")
  string(REGEX MATCH "${pattern} => (/[^ ]+)" match "${libraries}")
  set(library "${CMAKE_MATCH_1}")
  if(library STREQUAL "")
    # The dynamic loader is listed by its path alone, without "=>".
    string(REGEX MATCH "(/[^ \t\n]*${pattern}) \\(" match "${libraries}")
    set(library "${CMAKE_MATCH_1}")
  endif()
  if(library STREQUAL "")
    message(FATAL_ERROR "ldd does not resolve ${soname}")
  endif()
  execute_process(COMMAND dpkg -S "${library}" OUTPUT_VARIABLE owner RESULT_VARIABLE result
                  ERROR_QUIET)
  if(NOT result EQUAL 0)
    # dpkg may know the file by its other path across the /usr merge.
    if(library MATCHES "^/usr/")
      string(REGEX REPLACE "^/usr" "" alternative "${library}")
    else()
      set(alternative "/usr${library}")
    endif()
    execute_process(COMMAND dpkg -S "${alternative}" OUTPUT_VARIABLE owner RESULT_VARIABLE result
                    ERROR_QUIET)
  endif()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "no package owns ${library}")
  endif()
  string(REGEX REPLACE "[:,].*" "" owner "${owner}")
  list(FIND depends_names "${owner}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${soname} comes from ${owner}, which Depends '${depends}' lacks")
  endif()
endforeach()
list(LENGTH needed_entries needed_count)
if(needed_count EQUAL 0)
  message(FATAL_ERROR "no NEEDED entries found in the packaged program")
endif()

execute_process(COMMAND sh "${SOURCE_DIR}/resources/print-version.sh" "${program}"
                RESULT_VARIABLE result OUTPUT_VARIABLE block ERROR_VARIABLE block)
if(NOT result EQUAL 0 OR NOT block MATCHES "\nOriginalFilename=Brevon.exe\n")
  message(FATAL_ERROR "the packaged program's version block:\n${block}")
endif()
