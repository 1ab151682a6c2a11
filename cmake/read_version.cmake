# Reads the program's version from its one source, resources/version.txt, and
# sets BREVON_VERSION (four parts, e.g. 1.0.0.0) for project() and everything
# installed, and BREVON_VERSION_TEXT (the string table's "1.00") for texts
# shown to people. Usable before project() and from `cmake -P` scripts.

set(BREVON_VERSION_SOURCE "${CMAKE_CURRENT_LIST_DIR}/../resources/version.txt")
cmake_path(NORMAL_PATH BREVON_VERSION_SOURCE)

# brevon_read_version_source(<path> <prefix>) sets, in the caller's scope:
#   <prefix>_SECTIONS           the section names in file order ("fixed",
#                               "strings 040904B0")
#   <prefix>_KEYS_<n>           the keys of the n-th section (0-based) in order
#   <prefix>_VALUE_<n>_<key>    each value
function(brevon_read_version_source path prefix)
  file(STRINGS "${path}" lines ENCODING UTF-8)
  set(sections "")
  set(index -1)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(#|$)")
      continue()
    elseif(line MATCHES "^\\[([A-Za-z0-9 ]+)\\]$")
      math(EXPR index "${index} + 1")
      list(APPEND sections "${CMAKE_MATCH_1}")
      set(keys_${index} "")
    elseif(line MATCHES "^([A-Za-z]+)=(.*)$")
      if(index LESS 0)
        message(FATAL_ERROR "${path}: '${line}' comes before any [section]")
      endif()
      set(key "${CMAKE_MATCH_1}")
      set(value "${CMAKE_MATCH_2}")
      list(FIND keys_${index} "${key}" seen)
      if(seen GREATER_EQUAL 0)
        message(FATAL_ERROR "${path}: '${key}' given twice in one section")
      endif()
      list(APPEND keys_${index} "${key}")
      set(${prefix}_VALUE_${index}_${key} "${value}" PARENT_SCOPE)
    else()
      # Also catches ";", which file(STRINGS) splits lines at.
      message(FATAL_ERROR "${path}: cannot read the line '${line}'")
    endif()
  endforeach()
  set(${prefix}_SECTIONS "${sections}" PARENT_SCOPE)
  foreach(n RANGE ${index})
    set(${prefix}_KEYS_${n} "${keys_${n}}" PARENT_SCOPE)
  endforeach()
endfunction()

brevon_read_version_source("${BREVON_VERSION_SOURCE}" _brevon_version)
list(FIND _brevon_version_SECTIONS "fixed" _brevon_fixed)
list(FIND _brevon_version_SECTIONS "strings 040904B0" _brevon_strings)
if(_brevon_fixed LESS 0 OR _brevon_strings LESS 0)
  message(FATAL_ERROR "${BREVON_VERSION_SOURCE}: needs [fixed] and [strings 040904B0]")
endif()
set(BREVON_VERSION "${_brevon_version_VALUE_${_brevon_fixed}_FileVersion}")
set(BREVON_VERSION_TEXT "${_brevon_version_VALUE_${_brevon_strings}_ProductVersion}")
if(NOT BREVON_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "${BREVON_VERSION_SOURCE}: FileVersion '${BREVON_VERSION}' is not four numbers")
endif()
