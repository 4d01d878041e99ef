# Writes the bytes of INPUT as a C++ array named VARIABLE into OUTPUT.
# Run as: cmake -DINPUT=... -DOUTPUT=... -DVARIABLE=... -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp" "// Generated at build time from ${name}; do not edit.
#pragma once

inline constexpr unsigned char ${VARIABLE}[] = {
    ${bytes}
};
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
