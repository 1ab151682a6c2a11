# c_bytes(<hex> <indent> <out>): turns a string of hex digits into the body
# of a C++ byte array initializer, sixteen bytes a line, each line after the
# first starting with <indent>.
function(c_bytes hex indent out)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPEAT "0x..," 16 line)
  string(REGEX REPLACE "(${line})" "\\1\n${indent}" bytes "${bytes}")
  string(REGEX REPLACE "[ \n]+$" "" bytes "${bytes}")
  set(${out} "${bytes}" PARENT_SCOPE)
endfunction()
