#include "base/format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "base/errors.h"

namespace {

// One parsed directive: "%" [index ":"] ["-"] [width] ["." precision] type.
struct Directive {
  bool leftAlign = false;
  std::optional<int> width;
  std::optional<int> precision;
  char16_t type = 0;
};

class Formatter {
 public:
  static constexpr int kMaxNumber = 100000;

  Formatter(WideStringView pattern, TVarArgs args) : pattern_(pattern), args_(args) {}

  WideString Run() {
    while (pos_ < pattern_.size()) {
      const char16_t unit = pattern_[pos_++];
      if (unit != u'%') {
        out_.push_back(unit);
      } else if (pos_ < pattern_.size() && pattern_[pos_] == u'%') {
        out_.push_back(u'%');
        ++pos_;
      } else {
        Emit(ParseDirective());
      }
    }
    return out_;
  }

 private:
  [[noreturn]] void Invalid() const {
    Raise<EConvertError>(u"Format '%s' invalid or incompatible with argument",
                         {WideString(pattern_)});
  }

  const TVarRec& NextArg() {
    if (next_ >= args_.size())
      Raise<EConvertError>(u"No argument for format '%s'", {WideString(pattern_)});
    return args_[next_++];
  }

  // A number written in the pattern, or "*" taking the next (integer) argument. Either is at
  // most kMaxNumber: a width or precision is padding to allocate.
  std::optional<int> ParseNumber() {
    if (pos_ < pattern_.size() && pattern_[pos_] == u'*') {
      ++pos_;
      const TVarRec& arg = NextArg();
      if (arg.Kind() != vtInteger) Invalid();
      const int64_t value = arg.AsInt64();
      if (value < 0 || value > kMaxNumber)
        Raise<EConvertError>(u"Format '%s' was given %d for a \"*\", which must be from 0 to %d",
                             {WideString(pattern_), value, kMaxNumber});
      return static_cast<int>(value);
    }
    std::optional<int> number;
    while (pos_ < pattern_.size() && pattern_[pos_] >= u'0' && pattern_[pos_] <= u'9') {
      number = number.value_or(0) * 10 + (pattern_[pos_++] - u'0');
      if (*number > kMaxNumber) Invalid();
    }
    return number;
  }

  Directive ParseDirective() {
    Directive d;
    std::optional<int> number = ParseNumber();
    if (pos_ < pattern_.size() && pattern_[pos_] == u':') {
      ++pos_;
      next_ = static_cast<size_t>(number.value_or(0));
      number.reset();
    }
    if (!number && pos_ < pattern_.size() && pattern_[pos_] == u'-') {
      d.leftAlign = true;
      ++pos_;
    }
    d.width = number ? number : ParseNumber();
    if (pos_ < pattern_.size() && pattern_[pos_] == u'.') {
      ++pos_;
      d.precision = ParseNumber().value_or(0);
    }
    if (pos_ >= pattern_.size()) Invalid();
    d.type = static_cast<char16_t>(pattern_[pos_++] | 0x20);  // types are case-insensitive
    return d;
  }

  void Emit(const Directive& d) {
    const TVarRec& arg = NextArg();
    WideString text;
    switch (d.type) {
      case u'd':
        text = Decimal(arg, d, true);
        break;
      case u'u':
        text = Decimal(arg, d, false);
        break;
      case u'x':
        text = Hex(arg, d);
        break;
      case u'e':
      case u'f':
      case u'g':
      case u'n':
      case u'm':
        text = Float(arg, d);
        break;
      case u'p':
        text = Pointer(arg);
        break;
      case u's':
        text = Text(arg, d);
        break;
      default:
        Invalid();
    }
    const size_t width = static_cast<size_t>(d.width.value_or(0));
    if (text.size() < width) {
      const WideString pad(width - text.size(), u' ');
      text = d.leftAlign ? text + pad : pad + text;
    }
    out_ += text;
  }

  int64_t Integer(const TVarRec& arg) const {
    if (!arg.IsInteger()) Invalid();
    return arg.AsInt64();
  }

  static WideString ZeroPadded(std::string digits, const Directive& d) {
    const size_t minimum = static_cast<size_t>(d.precision.value_or(0));
    if (digits.size() < minimum) digits = std::string(minimum - digits.size(), '0') + digits;
    return WideFromAscii(digits);
  }

  WideString Decimal(const TVarRec& arg, const Directive& d, bool isSigned) const {
    int64_t value = Integer(arg);
    if (!isSigned && arg.Kind() == vtInteger) value = static_cast<uint32_t>(value);
    const bool negative = isSigned && value < 0;
    const uint64_t magnitude =
        negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    WideString digits = ZeroPadded(std::to_string(magnitude), d);
    return negative ? u"-" + digits : digits;
  }

  WideString Hex(const TVarRec& arg, const Directive& d) const {
    int64_t value = Integer(arg);
    const uint64_t bits =
        arg.Kind() == vtInteger ? static_cast<uint32_t>(value) : static_cast<uint64_t>(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(bits));
    return ZeroPadded(buffer, d);
  }

  WideString Pointer(const TVarRec& arg) const {
    if (arg.Kind() != vtPointer && arg.Kind() != vtObject && arg.Kind() != vtClass) Invalid();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%016llX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(arg.AsPointer())));
    return WideFromAscii(buffer);
  }

  WideString Text(const TVarRec& arg, const Directive& d) const {
    if (!arg.IsText()) Invalid();
    WideString text = arg.AsText();
    if (d.precision && text.size() > static_cast<size_t>(*d.precision)) text.resize(*d.precision);
    return text;
  }

  WideString Float(const TVarRec& arg, const Directive& d) const {
    if (!arg.IsFloat()) Invalid();
    const double value = arg.AsFloat();
    if (std::isnan(value)) return u"NAN";
    if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
    switch (d.type) {
      case u'e':
        return WideFromAscii(Exponent(value, d.precision.value_or(15)));
      case u'f':
        return WideFromAscii(Fixed(value, d.precision.value_or(2)));
      case u'g':
        return WideFromAscii(General(value, d.precision.value_or(15)));
      case u'n':
        return WideFromAscii(Grouped(Fixed(value, d.precision.value_or(2))));
      default:
        return WideFromAscii(Money(value, d.precision.value_or(2)));
    }
  }

  static std::string Fixed(double value, int precision) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::min(precision, 18), value);
    return buffer;
  }

  // Mantissa with `precision` significant digits and an exponent of at least three digits.
  static std::string Exponent(double value, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*E", std::clamp(precision, 1, 18) - 1, value);
    std::string text = buffer;
    const size_t e = text.find('E');
    std::string digits = text.substr(e + 2);
    if (digits.size() < 3) digits = std::string(3 - digits.size(), '0') + digits;
    return text.substr(0, e + 2) + digits;
  }

  // The shortest form: no trailing zeros, an exponent only for very large or small values.
  static std::string General(double value, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", std::clamp(precision, 1, 18), value);
    std::string text = buffer;
    const size_t e = text.find('E');
    if (e == std::string::npos) return text;
    const char sign = text[e + 1];
    std::string digits = text.substr(e + 2);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    return text.substr(0, e + 1) + (sign == '-' ? "-" : "") + digits;
  }

  // Puts "," between groups of three integer digits.
  static std::string Grouped(const std::string& text) {
    const size_t start = text[0] == '-' ? 1 : 0;
    const size_t end = std::min(text.find('.'), text.size());
    std::string result = text.substr(0, start);
    for (size_t i = start; i < end; ++i) {
      if (i > start && (end - i) % 3 == 0) result.push_back(',');
      result.push_back(text[i]);
    }
    return result + text.substr(end);
  }

  static std::string Money(double value, int precision) {
    const std::string amount = Grouped(Fixed(std::fabs(value), precision));
    return (value < 0 ? "-$" : "$") + amount;
  }

  WideStringView pattern_;
  TVarArgs args_;
  size_t pos_ = 0;
  size_t next_ = 0;
  WideString out_;
};

}  // namespace

WideString Format(WideStringView pattern, TVarArgs args) { return Formatter(pattern, args).Run(); }
