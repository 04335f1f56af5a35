#pragma once
// The names an option takes, read from the tables that name them once: the
// library's (schemes, bases, curves) and the front end's (formats). The
// option readers look names up here, and the help texts list them from here,
// so a new row of a table is a new choice everywhere.

#include <cstddef>
#include <string>

#include "curves/basis_kind.h"
#include "curves/curve_mode.h"
#include "lab/common/lab_command.h"
#include "subdivision/scheme_kind.h"

namespace curvix {

// The values an option names, from a table of the library's (schemes, bases,
// curves) or of the front end's (formats): each entry's name and value.
template <typename Entry, typename Value>
struct NameTable {
  const Entry* begin;
  const Entry* end;
  Value Entry::*value;

  const Entry* find(const std::string& name) const {
    for (const Entry* entry = begin; entry != end; ++entry)
      if (name == entry->name) return entry;
    return nullptr;
  }

  // "a|b|c", as a usage line gives the choices.
  std::string alternatives() const {
    std::string text;
    for (const Entry* entry = begin; entry != end; ++entry)
      text += std::string(entry == begin ? "" : "|") + entry->name;
    return text;
  }

  // "a, b or c"
  std::string choices() const {
    std::string text;
    for (const Entry* entry = begin; entry != end; ++entry)
      text += std::string(entry == begin ? "" : entry + 1 == end ? " or " : ", ") + entry->name;
    return text;
  }
};

template <typename Entry, std::size_t N, typename Value>
constexpr NameTable<Entry, Value> name_table(const Entry (&entries)[N], Value Entry::*value,
                                             std::size_t skip = 0) {
  return {entries + skip, entries + N, value};
}

// The output formats, in the order --format's choices name them.
struct FormatEntry {
  const char* name;
  OutputFormat format;
};

inline constexpr FormatEntry FORMATS[] = {{"text", OutputFormat::TEXT},
                                          {"csv", OutputFormat::CSV},
                                          {"json", OutputFormat::JSON},
                                          {"svg", OutputFormat::SVG}};

inline constexpr auto SCHEME_NAMES = name_table(SCHEMES, &SchemeInfo::kind);
inline constexpr auto BASIS_NAMES = name_table(BASES, &BasisInfo::kind);
// Every curve but CURVE_NONE, the table's first entry, which samples nothing.
inline constexpr auto CURVE_NAMES = name_table(CURVES, &CurveInfo::mode, 1);
inline constexpr auto FORMAT_NAMES = name_table(FORMATS, &FormatEntry::format);

// "rbf4 and rbf6": the schemes whose weights come from an RBF interpolation.
std::string rbf_scheme_names();

}  // namespace curvix
