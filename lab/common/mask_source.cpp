#include "lab/common/mask_source.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "lab/common/lab_names.h"
#include "lab/common/option_reading.h"

namespace curvix {

namespace {

constexpr std::size_t MAX_DIGITS = 60;  // per number: far past any double's, short of a runaway
constexpr long MAX_EXPONENT = 60;

bool all_digits(const std::string& text) {
  return !text.empty() && text.size() <= MAX_DIGITS &&
         std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// "12.5e-3" (sign already taken off): the exact decimal.
bool parse_decimal(const std::string& text, Rational& value) {
  std::string mantissa = text;
  long exponent = 0;
  const std::size_t e = text.find_first_of("eE");
  if (e != std::string::npos) {
    mantissa = text.substr(0, e);
    std::string power = text.substr(e + 1);
    const bool negative = !power.empty() && power[0] == '-';
    if (!power.empty() && (power[0] == '-' || power[0] == '+')) power.erase(0, 1);
    if (!all_digits(power) || power.size() > 3) return false;
    exponent = std::stol(power) * (negative ? -1 : 1);
    if (exponent > MAX_EXPONENT || exponent < -MAX_EXPONENT) return false;
  }
  const std::size_t point = mantissa.find('.');
  std::string digits = mantissa, fraction;
  if (point != std::string::npos) {
    digits = mantissa.substr(0, point);
    fraction = mantissa.substr(point + 1);
  }
  if (digits.empty() && fraction.empty()) return false;
  if ((!digits.empty() && !all_digits(digits)) || (!fraction.empty() && !all_digits(fraction)))
    return false;
  const mpz_class numerator(digits + fraction, 10);  // base 10: a leading 0 is not octal
  mpz_class scale = 1;
  mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(fraction.size()));
  value = Rational(numerator, scale);
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10,
                static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
  if (exponent < 0)
    value /= power;
  else
    value *= power;
  value.canonicalize();
  return true;
}

bool not_finite_word(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.erase(0, 1);
  return text == "inf" || text == "infinity" || text == "nan";
}

LabStatus read_rational(const std::string& text, const char* option, Rational& value) {
  const RationalText parsed = parse_rational(text, value);
  if (parsed == RationalText::VALID) return {};
  if (parsed == RationalText::ZERO_DENOMINATOR)
    return usage_error("zero denominator in '" + text + "' in " + option);
  if (not_finite_word(text)) return usage_error("non-finite value '" + text + "' in " + option);
  return usage_error("invalid number '" + text + "' in " + option +
                     " (expected an integer, a decimal or a fraction p/q)");
}

LabStatus read_taps(const std::string& list, std::vector<Rational>& taps) {
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    std::string item = list.substr(start, comma - start);
    item.erase(0, item.find_first_not_of(" \t"));
    item.erase(item.find_last_not_of(" \t") + 1);
    if (item.empty() && list.find_first_not_of(" \t") == std::string::npos) break;  // empty mask
    Rational tap;
    const LabStatus status = read_rational(item, "--mask", tap);
    if (!status.ok()) return status;
    taps.push_back(tap);
    if (taps.size() > static_cast<std::size_t>(MAX_MASK_TAPS))
      return usage_error("--mask gives more than the " + std::to_string(MAX_MASK_TAPS) +
                         " taps allowed");
    start = comma + 1;
  }
  return {};
}

LabStatus read_named_mask(const ParsedCommandLine& parsed, MaskSource& source) {
  LevelSettings settings;
  LabStatus status = read_scheme(parsed, settings);
  if (!status.ok()) return status;
  source.scheme = settings.subdivision.scheme;
  const char* name = scheme_info(source.scheme).name;
  if (given(parsed, "--arity")) return usage_error("--arity applies to --mask only");
  if (given(parsed, "--degree") && source.scheme != SCHEME_BSPLINE)
    return usage_error(std::string("--degree applies to ") + scheme_info(SCHEME_BSPLINE).name +
                       " only");
  if (given(parsed, "--mu") && source.scheme != SCHEME_TERNARY4)
    return usage_error(std::string("--mu applies to ") + scheme_info(SCHEME_TERNARY4).name +
                       " only");
  for (const char* setting : {"--basis", "--r", "--c", "--pd", "--h", "--w"})
    if (given(parsed, setting))
      return usage_error(std::string(setting) + " does not apply to " + name);
  status = read_int(parsed, "--degree", MIN_BSPLINE_DEGREE, MAX_BSPLINE_DEGREE, source.degree);
  if (status.ok() && given(parsed, "--mu"))
    status = read_rational(parsed.values.at("--mu"), "--mu", source.mu);
  return status;
}

LabStatus read_typed_mask(const ParsedCommandLine& parsed, MaskSource& source) {
  source.typed = true;
  if (given(parsed, "--scheme")) return usage_error("give either --scheme or --mask");
  for (const char* option : {"--degree", "--mu"})
    if (given(parsed, option)) return usage_error(std::string(option) + " needs --scheme");
  for (const char* setting : {"--basis", "--r", "--c", "--pd", "--h", "--w"})
    if (given(parsed, setting)) return usage_error(std::string(setting) + " needs --scheme");
  const LabStatus status = read_int(parsed, "--arity", MIN_ARITY, MAX_ARITY, source.arity);
  return status.ok() ? read_taps(parsed.values.at("--mask"), source.taps) : status;
}

}  // namespace

RationalText parse_rational(const std::string& text, Rational& value) {
  std::string body = text;
  const bool negative = !body.empty() && body[0] == '-';
  if (!body.empty() && (body[0] == '-' || body[0] == '+')) body.erase(0, 1);
  const std::size_t slash = body.find('/');
  if (slash == std::string::npos) {
    if (!parse_decimal(body, value)) return RationalText::INVALID;
  } else {
    const std::string p = body.substr(0, slash), q = body.substr(slash + 1);
    if (!all_digits(p) || !all_digits(q)) return RationalText::INVALID;
    const mpz_class denominator(q, 10);
    if (denominator == 0) return RationalText::ZERO_DENOMINATOR;
    value = Rational(mpz_class(p, 10), denominator);
    value.canonicalize();
  }
  if (negative) value = -value;
  return RationalText::VALID;
}

bool names_mask(const ParsedCommandLine& parsed) {
  if (given(parsed, "--mask")) return true;
  const auto scheme = parsed.values.find("--scheme");
  if (scheme == parsed.values.end()) return false;
  const SchemeInfo* entry = SCHEME_NAMES.find(scheme->second);
  return entry != nullptr && !entry->program;
}

LabStatus read_mask_source(const ParsedCommandLine& parsed, MaskSource& source) {
  source = MaskSource{};
  return given(parsed, "--mask") ? read_typed_mask(parsed, source)
                                 : read_named_mask(parsed, source);
}

LabStatus refuse_mask_options(const ParsedCommandLine& parsed) {
  for (const char* option : {"--degree", "--mu"})
    if (given(parsed, option))
      return usage_error(std::string(option) + " applies to " +
                         scheme_info(option[2] == 'd' ? SCHEME_BSPLINE : SCHEME_TERNARY4).name +
                         " only");
  if (given(parsed, "--arity")) return usage_error("--arity applies to --mask only");
  return {};
}

ExactMask source_mask(const MaskSource& source) {
  if (source.typed) return aligned_mask(source.taps, source.arity);
  switch (source.scheme) {
    case SCHEME_BSPLINE: return bspline_mask(source.degree);
    case SCHEME_CHAIKIN: return chaikin_mask();
    case SCHEME_DUAL4: return dual4_mask();
    case SCHEME_TERNARY4: return ternary4_mask(source.mu);
    default: break;
  }
  return bspline_mask(source.degree);
}

LabStatus check_mask(const ExactMask& mask) {
  const std::string m = std::to_string(mask.arity);
  switch (mask_problem(mask)) {
    case MaskProblem::NONE: return {};
    case MaskProblem::EMPTY: return usage_error("--mask gives no taps");
    case MaskProblem::ARITY:
      return usage_error("arity " + m + " is outside " + std::to_string(MIN_ARITY) + " to " +
                         std::to_string(MAX_ARITY));
    case MaskProblem::TOO_LONG:
      return usage_error("--mask gives more than the " + std::to_string(MAX_MASK_TAPS) +
                         " taps allowed");
    case MaskProblem::ALL_ZERO: return data_error("every tap of the mask is 0");
    case MaskProblem::SUM_NOT_ARITY: {
      Rational sum = 0;
      for (const Rational& tap : mask.taps) sum += tap;
      return data_error("the taps sum to " + rational_text(sum) + ", not the arity " + m +
                        ": the scheme has no limit");
    }
    case MaskProblem::NO_SUM_RULE: break;
  }
  return data_error("the taps sum to " + m + ", but not to 1 over each residue class modulo " + m +
                    ": no sum rule, the scheme has no limit");
}

std::string mask_source_name(const MaskSource& source) {
  if (source.typed) return "the given mask";
  const std::string name = scheme_info(source.scheme).name;
  if (source.scheme == SCHEME_BSPLINE)
    return name + " (degree " + std::to_string(source.degree) + ")";
  if (source.scheme == SCHEME_TERNARY4) return name + " (mu " + rational_text(source.mu) + ")";
  return name;
}

std::string rational_text(const Rational& value) {
  return value.get_str();
}

std::string tap_indices(const ExactMask& mask) {
  return std::to_string(mask.first) + ".." + std::to_string(mask.last());
}

}  // namespace curvix
