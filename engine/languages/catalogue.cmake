# The catalogues, one JSON object per language (key -> text), become the C++
# tables that every front end reads, their keys in the sorted order string(JSON)
# gives them. English names the keys; each other
# catalogue must give a text for every key and no other, or the build stops: a
# sentence missed in a language is a build error, never English left in its place.
# zefnaro_catalogue(OUT_HEADER OUT_SOURCE LANG...) with the languages' codes,
# English first, in the order of the Language enum.
function(zefnaro_catalogue header source)
  set(languages ${ARGN})
  set(dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  foreach(code ${languages})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dir}/${code}.json)
    file(READ ${dir}/${code}.json json_${code})
  endforeach()
  list(GET languages 0 first)
  string(JSON count LENGTH "${json_${first}}")
  math(EXPR last "${count} - 1")
  set(keys "")
  foreach(i RANGE ${last})
    string(JSON key MEMBER "${json_${first}}" ${i})
    list(APPEND keys ${key})
  endforeach()
  set(enum "")
  set(names "")
  foreach(key ${keys})
    string(REPLACE "." "_" name "${key}")
    string(APPEND enum "    ${name},\n")
    string(APPEND names "    \"${key}\",\n")
  endforeach()
  set(tables "")
  foreach(code ${languages})
    string(JSON n LENGTH "${json_${code}}")
    if(NOT n EQUAL count)
      message(FATAL_ERROR "${code}.json has ${n} texts, en.json ${count}: each catalogue has every key, once")
    endif()
    string(MAKE_C_IDENTIFIER "${code}" id)
    string(APPEND tables "extern const std::array<std::string_view, ${count}> ${id}{{\n")
    foreach(key ${keys})
      string(JSON text ERROR_VARIABLE missing GET "${json_${code}}" ${key})
      if(missing)
        message(FATAL_ERROR "${code}.json has no text for \"${key}\"")
      endif()
      string(REPLACE "\\" "\\\\" text "${text}")
      string(REPLACE "\"" "\\\"" text "${text}")
      string(REPLACE "\n" "\\n" text "${text}")
      string(REPLACE "\t" "\\t" text "${text}")
      string(APPEND tables "    \"${text}\",\n")
    endforeach()
    string(APPEND tables "}};\n")
  endforeach()
  file(WRITE ${header}.new
"// Made from the catalogues by the build: every text a user reads, by key.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zefnaro {

enum class Text : std::uint16_t {
${enum}};
inline constexpr std::size_t textCount = ${count};

namespace catalogues {
// Each text's key, as the catalogues write it: report.cardinal.
extern const char* const keys[textCount];
}

} // namespace zefnaro
")
  file(WRITE ${source}.new
"// Made from the catalogues by the build.
#include <array>
#include <string_view>

namespace zefnaro::catalogues {

extern const char* const keys[${count}];
const char* const keys[${count}] = {
${names}};

${tables}
} // namespace zefnaro::catalogues
")
  # Rewritten only when they change, so a new configure rebuilds nothing.
  configure_file(${header}.new ${header} COPYONLY)
  configure_file(${source}.new ${source} COPYONLY)
endfunction()
