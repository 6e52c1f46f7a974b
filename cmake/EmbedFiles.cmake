# Writes OUTPUT, a C++ source defining vornic::WebTemplate(Name): the bytes of each file of FILES
# (a list of paths relative to BASE) under its relative path. Run with cmake -P at build time,
# so that an edited template file is embedded again.
set(body "")
set(lookup "")
set(index 0)
foreach(name ${FILES})
  file(READ "${BASE}/${name}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND body "constexpr char File${index}[] = {${bytes}'\\0'};\n")
  string(APPEND lookup "  if (Name == \"${name}\") return {File${index}, sizeof File${index} - 1};\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made by cmake/EmbedFiles.cmake from src/core/webpage/template; do not edit.
#include \"webpage/WebTemplate.h\"

namespace vornic {
namespace {
${body}}  // namespace

std::string_view WebTemplate(std::string_view Name) {
${lookup}  return {};
}

}  // namespace vornic
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
