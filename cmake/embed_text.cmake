# SPDX-License-Identifier: GPL-3.0-or-later
# Turns a text file into a C++ source holding its bytes, so data files are
# compiled into the program unchanged (trailing blanks included).
# Usage: cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -DNAMESPACE=ns -P embed_text.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n\nnamespace ${NAMESPACE} {\n\nextern const char ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}Size;\n\nconst char ${SYMBOL}[] = {\n    ${bytes}'\\0'};\nconst std::size_t ${SYMBOL}Size = ${size};\n\n} // namespace ${NAMESPACE}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
