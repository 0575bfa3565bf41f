#include "platform/rtf_reader.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

constexpr std::string_view kRtfSignature = "{\\rtf";
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;  // 1638 points, the largest size word processors offer
// Groups nested deeper than this share the innermost kept state; only broken input gets there.
constexpr size_t kMaxGroupDepth = 1000;

constexpr char16_t kLineSeparator = 0x2028;

// ---------------------------------------------------------------------------------------------
// Code pages

// Windows-1252 from 0x80 to 0x9F; from 0xA0 on it is Latin-1. Unassigned bytes keep their value,
// as Windows maps them.
constexpr std::array<char16_t, 32> kCp1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

// Windows-1250 (Central European) from 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kCp1250 = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

// Windows-1251 (Cyrillic) from 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F.
constexpr std::array<char16_t, 64> kCp1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

// A byte of text in the code page; code pages without a table are read as 1252.
char16_t DecodeByte(uint8_t byte, int codePage) {
  if (byte < 0x80) return byte;
  switch (codePage) {
    case 1250:
      return kCp1250[byte - 0x80];
    case 1251:
      return byte >= 0xC0 ? static_cast<char16_t>(0x0410 + (byte - 0xC0)) : kCp1251[byte - 0x80];
    default:
      return byte < 0xA0 ? kCp1252[byte - 0x80] : byte;
  }
}

// The code page a font's \fcharset stands for; 0 when the document's code page applies.
int CodePageOfCharset(int charset) {
  switch (charset) {
    case 0:
      return 1252;
    case 238:
      return 1250;
    case 204:
      return 1251;
    default:
      return 0;
  }
}

// The length of the UTF-8 sequence of two to four bytes starting at `pos`, with its code point;
// 0 when the bytes there are not one (overlong forms and surrogates are not).
size_t Utf8SequenceAt(std::string_view bytes, size_t pos, char32_t& code) {
  const auto byteAt = [&](size_t i) { return static_cast<uint8_t>(bytes[pos + i]); };
  const uint8_t lead = byteAt(0);
  size_t length;
  uint8_t low = 0x80;  // the range of the second byte
  uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() - pos < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    const uint8_t next = byteAt(i);
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  return length;
}

// ---------------------------------------------------------------------------------------------
// Control words

enum class TWordKind {
  Character,  // puts Value into the text
  ParagraphEnd,
  ParagraphReset,  // \pard
  PlainFormat,     // \plain
  Bold,
  Italic,
  Underline,
  UnderlineOff,
  Strike,
  Hidden,
  FontSize,
  ColorIndex,
  FontIndex,
  DefaultFont,
  Alignment,  // Value: the TRichAlignment
  Unicode,
  UnicodeSkip,
  AnsiCodePage,
  CodePage,  // Value: the code page the character set word stands for
  FontCharset,
  Red,
  Green,
  Blue,
  Binary,
  FontTable,
  ColorTable,
  SkippedDestination,
};

struct TWord {
  std::string_view Name;
  TWordKind Kind;
  int Value = 0;
};

constexpr int Align(TRichAlignment alignment) { return static_cast<int>(alignment); }

constexpr TWord kWords[] = {
    {"par", TWordKind::ParagraphEnd},
    {"sect", TWordKind::ParagraphEnd},
    {"row", TWordKind::ParagraphEnd},
    {"line", TWordKind::Character, kLineSeparator},
    {"tab", TWordKind::Character, u'\t'},
    {"cell", TWordKind::Character, u'\t'},
    {"nestcell", TWordKind::Character, u'\t'},
    {"emdash", TWordKind::Character, 0x2014},
    {"endash", TWordKind::Character, 0x2013},
    {"bullet", TWordKind::Character, 0x2022},
    {"lquote", TWordKind::Character, 0x2018},
    {"rquote", TWordKind::Character, 0x2019},
    {"ldblquote", TWordKind::Character, 0x201C},
    {"rdblquote", TWordKind::Character, 0x201D},
    {"emspace", TWordKind::Character, 0x2003},
    {"enspace", TWordKind::Character, 0x2002},
    {"qmspace", TWordKind::Character, 0x2005},
    {"zwbo", TWordKind::Character, 0x200B},
    {"zwnj", TWordKind::Character, 0x200C},
    {"zwj", TWordKind::Character, 0x200D},
    {"ltrmark", TWordKind::Character, 0x200E},
    {"rtlmark", TWordKind::Character, 0x200F},
    {"pard", TWordKind::ParagraphReset},
    {"plain", TWordKind::PlainFormat},
    {"b", TWordKind::Bold},
    {"i", TWordKind::Italic},
    {"ul", TWordKind::Underline},
    {"uld", TWordKind::Underline},
    {"uldash", TWordKind::Underline},
    {"uldashd", TWordKind::Underline},
    {"uldashdd", TWordKind::Underline},
    {"uldb", TWordKind::Underline},
    {"ulhwave", TWordKind::Underline},
    {"ulldash", TWordKind::Underline},
    {"ulth", TWordKind::Underline},
    {"ulthd", TWordKind::Underline},
    {"ulthdash", TWordKind::Underline},
    {"ulthdashd", TWordKind::Underline},
    {"ulthdashdd", TWordKind::Underline},
    {"ulthldash", TWordKind::Underline},
    {"ululdbwave", TWordKind::Underline},
    {"ulw", TWordKind::Underline},
    {"ulwave", TWordKind::Underline},
    {"ulnone", TWordKind::UnderlineOff},
    {"strike", TWordKind::Strike},
    {"striked", TWordKind::Strike},
    {"v", TWordKind::Hidden},
    {"fs", TWordKind::FontSize},
    {"cf", TWordKind::ColorIndex},
    {"f", TWordKind::FontIndex},
    {"deff", TWordKind::DefaultFont},
    {"ql", TWordKind::Alignment, Align(TRichAlignment::Left)},
    {"qc", TWordKind::Alignment, Align(TRichAlignment::Center)},
    {"qr", TWordKind::Alignment, Align(TRichAlignment::Right)},
    {"qj", TWordKind::Alignment, Align(TRichAlignment::Justify)},
    {"qd", TWordKind::Alignment, Align(TRichAlignment::Justify)},
    {"u", TWordKind::Unicode},
    {"uc", TWordKind::UnicodeSkip},
    {"ansicpg", TWordKind::AnsiCodePage},
    {"ansi", TWordKind::CodePage, 1252},
    {"mac", TWordKind::CodePage, 10000},
    {"pc", TWordKind::CodePage, 437},
    {"pca", TWordKind::CodePage, 850},
    {"fcharset", TWordKind::FontCharset},
    {"red", TWordKind::Red},
    {"green", TWordKind::Green},
    {"blue", TWordKind::Blue},
    {"bin", TWordKind::Binary},
    {"fonttbl", TWordKind::FontTable},
    {"colortbl", TWordKind::ColorTable},
    // Destinations not shown that writers emit without "\*".
    {"stylesheet", TWordKind::SkippedDestination},
    {"info", TWordKind::SkippedDestination},
    {"pict", TWordKind::SkippedDestination},
    {"object", TWordKind::SkippedDestination},
    {"nonshppict", TWordKind::SkippedDestination},
    {"header", TWordKind::SkippedDestination},
    {"headerl", TWordKind::SkippedDestination},
    {"headerr", TWordKind::SkippedDestination},
    {"headerf", TWordKind::SkippedDestination},
    {"footer", TWordKind::SkippedDestination},
    {"footerl", TWordKind::SkippedDestination},
    {"footerr", TWordKind::SkippedDestination},
    {"footerf", TWordKind::SkippedDestination},
    {"footnote", TWordKind::SkippedDestination},
    {"annotation", TWordKind::SkippedDestination},
    {"fldinst", TWordKind::SkippedDestination},
    {"listtable", TWordKind::SkippedDestination},
    {"listoverridetable", TWordKind::SkippedDestination},
    {"revtbl", TWordKind::SkippedDestination},
    {"filetbl", TWordKind::SkippedDestination},
    {"xe", TWordKind::SkippedDestination},
    {"tc", TWordKind::SkippedDestination},
    {"txe", TWordKind::SkippedDestination},
    {"author", TWordKind::SkippedDestination},
    {"title", TWordKind::SkippedDestination},
    {"subject", TWordKind::SkippedDestination},
    {"keywords", TWordKind::SkippedDestination},
    {"comment", TWordKind::SkippedDestination},
    {"operator", TWordKind::SkippedDestination},
    {"doccomm", TWordKind::SkippedDestination},
};

const TWord* FindWord(std::string_view name) {
  for (const TWord& word : kWords)
    if (word.Name == name) return &word;
  return nullptr;
}

// ---------------------------------------------------------------------------------------------
// The reader

enum class TDestination { Text, Skipped, FontTable, ColorTable };

// The character format as the source states it; turned into a TRichFormat when text is added.
struct TCharState {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strike = false;
  bool Hidden = false;
  int HalfPoints = kDefaultHalfPoints;
  int Color = 0;  // colour table index; 0 is the automatic colour
  int Font = -1;  // font table number; -1 stands for the document's default font
  friend bool operator==(const TCharState&, const TCharState&) = default;
};

// What a group keeps and restores when it closes.
struct TGroupState {
  TDestination Destination = TDestination::Text;
  TCharState Char;
  TRichAlignment Alignment = TRichAlignment::Left;
  int UnicodeSkip = 1;
};

struct TFontEntry {
  WideString Name;
  int CodePage = 0;  // 0: the document's
};

class TRtfReader {
 public:
  explicit TRtfReader(std::string_view bytes) : bytes_(bytes) {}

  TRichDocument Read() {
    while (pos_ < bytes_.size()) {
      const char c = bytes_[pos_];
      if (c == '{') {
        ++pos_;
        OpenGroup();
      } else if (c == '}') {
        ++pos_;
        if (!CloseGroup()) break;  // the outermost group ends the document
      } else if (stack_.empty() || c == '\r' || c == '\n') {
        ++pos_;
      } else if (c == '\\') {
        ++pos_;
        ReadControl();
      } else {
        ReadText();
      }
    }
    if (!paragraph_.Runs.empty()) document_.Paragraphs.push_back(std::move(paragraph_));
    return std::move(document_);
  }

 private:
  TGroupState& State() { return stack_.back(); }

  void OpenGroup() {
    fallbackLeft_ = 0;
    if (stack_.empty()) {
      stack_.emplace_back();
    } else if (stack_.size() >= kMaxGroupDepth) {
      ++extraDepth_;
    } else {
      const TGroupState inner = stack_.back();
      stack_.push_back(inner);
    }
  }

  // False when no group is left open.
  bool CloseGroup() {
    fallbackLeft_ = 0;
    if (extraDepth_ > 0) {
      --extraDepth_;
      return true;
    }
    if (stack_.empty()) return false;
    if (State().Destination == TDestination::FontTable) FinishFontName();
    stack_.pop_back();
    return !stack_.empty();
  }

  void SetDestination(TDestination destination) {
    // Nothing inside a skipped group is shown, whatever it says.
    if (State().Destination != TDestination::Skipped) State().Destination = destination;
  }

  // True when the \uN fallback is still being skipped; counts off one character.
  bool SkipFallback() {
    if (fallbackLeft_ == 0) return false;
    --fallbackLeft_;
    return true;
  }

  // The code page of \'hh and raw bytes here: the current font's, else the document's.
  int CurrentCodePage() {
    const TGroupState& state = State();
    int font = state.Char.Font < 0 ? defaultFont_ : state.Char.Font;
    if (state.Destination == TDestination::FontTable) font = fontEntry_;
    const auto entry = fonts_.find(font);
    if (entry != fonts_.end() && entry->second.CodePage != 0) return entry->second.CodePage;
    return codePage_;
  }

  // Plain bytes between control words: one character each, or one UTF-8 sequence.
  void ReadText() {
    const auto byte = static_cast<uint8_t>(bytes_[pos_]);
    if (byte < 0x80) {
      ++pos_;
      if (byte < 0x20 && byte != '\t') return;  // control characters are not text
      if (!SkipFallback()) PutChar(byte);
      return;
    }
    char32_t code = 0;
    const size_t length = Utf8SequenceAt(bytes_, pos_, code);
    if (length == 0) {
      ++pos_;
      if (!SkipFallback()) PutChar(DecodeByte(byte, CurrentCodePage()));
      return;
    }
    pos_ += length;
    if (SkipFallback()) return;
    if (code < 0x10000) {
      PutChar(static_cast<char16_t>(code));
    } else {
      code -= 0x10000;
      PutChar(static_cast<char16_t>(0xD800 + (code >> 10)));
      PutChar(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    }
  }

  // After a backslash.
  void ReadControl() {
    if (pos_ >= bytes_.size()) return;
    const char c = bytes_[pos_];
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      ReadControlWord();
      return;
    }
    ++pos_;
    if (c == '\'') {
      ReadEscapedByte();
      return;
    }
    if (SkipFallback()) return;
    switch (c) {
      case '\\':
      case '{':
      case '}':
        PutChar(static_cast<char16_t>(c));
        break;
      case '~':
        PutChar(0x00A0);
        break;
      case '-':
        PutChar(0x00AD);
        break;
      case '_':
        PutChar(0x2011);
        break;
      case '*':
        SetDestination(TDestination::Skipped);
        break;
      case '\r':
      case '\n':
        EndParagraph();
        break;
      default:
        break;
    }
  }

  // \'hh: a byte in the code page. A truncated escape (fewer than two hex digits) is dropped.
  void ReadEscapedByte() {
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos_ < bytes_.size()) {
      const char c = bytes_[pos_];
      int digit;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      else
        break;
      value = value * 16 + digit;
      ++digits;
      ++pos_;
    }
    if (SkipFallback() || digits < 2) return;
    PutChar(DecodeByte(static_cast<uint8_t>(value), CurrentCodePage()));
  }

  // Letters, an optional signed decimal parameter, then one space that belongs to the word.
  void ReadControlWord() {
    const size_t start = pos_;
    while (pos_ < bytes_.size() && ((bytes_[pos_] >= 'a' && bytes_[pos_] <= 'z') ||
                                    (bytes_[pos_] >= 'A' && bytes_[pos_] <= 'Z')))
      ++pos_;
    const std::string_view name = bytes_.substr(start, pos_ - start);

    std::optional<int> parameter;
    const bool negative = pos_ + 1 < bytes_.size() && bytes_[pos_] == '-' &&
                          bytes_[pos_ + 1] >= '0' && bytes_[pos_ + 1] <= '9';
    if (negative) ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] >= '0' && bytes_[pos_] <= '9') {
      int64_t value = 0;
      for (; pos_ < bytes_.size() && bytes_[pos_] >= '0' && bytes_[pos_] <= '9'; ++pos_)
        value = std::min<int64_t>(value * 10 + (bytes_[pos_] - '0'), INT32_MAX);
      parameter = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == ' ') ++pos_;

    const TWord* word = FindWord(name);
    if (word != nullptr && word->Kind == TWordKind::Binary) {
      // The data goes with the word, whether it is read or skipped.
      if (parameter && *parameter > 0)
        pos_ += std::min<size_t>(static_cast<size_t>(*parameter), bytes_.size() - pos_);
      SkipFallback();
      return;
    }
    if (SkipFallback() || word == nullptr) return;
    HandleWord(*word, parameter);
  }

  void HandleWord(const TWord& word, std::optional<int> parameter) {
    TGroupState& state = State();
    const int value = parameter.value_or(0);
    const bool on = !parameter || *parameter != 0;
    switch (word.Kind) {
      case TWordKind::Character:
        PutChar(static_cast<char16_t>(word.Value));
        break;
      case TWordKind::ParagraphEnd:
        EndParagraph();
        break;
      case TWordKind::ParagraphReset:
        state.Alignment = TRichAlignment::Left;
        break;
      case TWordKind::PlainFormat:
        state.Char = TCharState{};
        break;
      case TWordKind::Bold:
        state.Char.Bold = on;
        break;
      case TWordKind::Italic:
        state.Char.Italic = on;
        break;
      case TWordKind::Underline:
        state.Char.Underline = on;
        break;
      case TWordKind::UnderlineOff:
        state.Char.Underline = false;
        break;
      case TWordKind::Strike:
        state.Char.Strike = on;
        break;
      case TWordKind::Hidden:
        state.Char.Hidden = on;
        break;
      case TWordKind::FontSize:
        state.Char.HalfPoints = value > 0 ? std::min(value, kMaxHalfPoints) : kDefaultHalfPoints;
        break;
      case TWordKind::ColorIndex:
        state.Char.Color = std::max(value, 0);
        break;
      case TWordKind::FontIndex:
        if (state.Destination == TDestination::FontTable) {
          FinishFontName();
          fontEntry_ = value;
        } else {
          state.Char.Font = value;
        }
        break;
      case TWordKind::DefaultFont:
        defaultFont_ = value;
        break;
      case TWordKind::Alignment:
        state.Alignment = static_cast<TRichAlignment>(word.Value);
        break;
      case TWordKind::Unicode:
        if (!parameter) break;
        PutChar(static_cast<char16_t>(value < 0 ? value + 65536 : value));
        fallbackLeft_ = state.UnicodeSkip;
        break;
      case TWordKind::UnicodeSkip:
        state.UnicodeSkip = std::max(value, 0);
        break;
      case TWordKind::AnsiCodePage:
        if (parameter) codePage_ = value;
        break;
      case TWordKind::CodePage:
        codePage_ = word.Value;
        break;
      case TWordKind::FontCharset:
        if (state.Destination == TDestination::FontTable)
          fonts_[fontEntry_].CodePage = CodePageOfCharset(value);
        break;
      case TWordKind::Red:
        colorEntry_.R = static_cast<uint8_t>(std::clamp(value, 0, 255));
        colorEntrySet_ = true;
        break;
      case TWordKind::Green:
        colorEntry_.G = static_cast<uint8_t>(std::clamp(value, 0, 255));
        colorEntrySet_ = true;
        break;
      case TWordKind::Blue:
        colorEntry_.B = static_cast<uint8_t>(std::clamp(value, 0, 255));
        colorEntrySet_ = true;
        break;
      case TWordKind::FontTable:
        SetDestination(TDestination::FontTable);
        break;
      case TWordKind::ColorTable:
        SetDestination(TDestination::ColorTable);
        break;
      case TWordKind::SkippedDestination:
        SetDestination(TDestination::Skipped);
        break;
      case TWordKind::Binary:
        break;  // read with the word
    }
  }

  // A character of text, to wherever the current group's text goes.
  void PutChar(char16_t c) {
    TGroupState& state = State();
    switch (state.Destination) {
      case TDestination::Text:
        if (!state.Char.Hidden) AddToParagraph(c);
        break;
      case TDestination::FontTable:
        if (c == u';')
          FinishFontName();
        else
          fontName_ += c;
        break;
      case TDestination::ColorTable:
        if (c == u';') {
          colors_.push_back(colorEntrySet_ ? std::optional<TRichColor>(colorEntry_) : std::nullopt);
          colorEntry_ = {};
          colorEntrySet_ = false;
        }
        break;
      case TDestination::Skipped:
        break;
    }
  }

  void FinishFontName() {
    if (fontName_.empty()) return;
    fonts_[fontEntry_].Name = Trim(fontName_);
    fontName_.clear();
  }

  TRichFormat FormatOf(const TCharState& state) const {
    TRichFormat format;
    format.Bold = state.Bold;
    format.Italic = state.Italic;
    format.Underline = state.Underline;
    format.Strike = state.Strike;
    format.FontSize = state.HalfPoints / 2.0;
    if (state.Color > 0 && static_cast<size_t>(state.Color) < colors_.size())
      format.Color = colors_[state.Color];
    const auto font = fonts_.find(state.Font < 0 ? defaultFont_ : state.Font);
    if (font != fonts_.end()) format.FontName = font->second.Name;
    return format;
  }

  void AddToParagraph(char16_t c) {
    const TGroupState& state = State();
    paragraph_.Alignment = state.Alignment;
    if (paragraph_.Runs.empty() || state.Char != runState_) {
      TRichFormat format = FormatOf(state.Char);
      if (paragraph_.Runs.empty() || format != paragraph_.Runs.back().Format)
        paragraph_.Runs.push_back({{}, std::move(format)});
      runState_ = state.Char;
    }
    paragraph_.Runs.back().Text += c;
  }

  void EndParagraph() {
    if (State().Destination != TDestination::Text) return;
    paragraph_.Alignment = State().Alignment;
    document_.Paragraphs.push_back(std::move(paragraph_));
    paragraph_ = {};
  }

  std::string_view bytes_;
  size_t pos_ = 0;
  std::vector<TGroupState> stack_;
  size_t extraDepth_ = 0;  // groups opened beyond kMaxGroupDepth
  int fallbackLeft_ = 0;   // \uN fallback characters still to skip
  int codePage_ = 1252;
  int defaultFont_ = 0;

  std::map<int, TFontEntry> fonts_;
  int fontEntry_ = 0;  // the font table entry being read
  WideString fontName_;

  std::vector<std::optional<TRichColor>> colors_;
  TRichColor colorEntry_;  // the colour table entry being read
  bool colorEntrySet_ = false;

  TRichDocument document_;
  TRichParagraph paragraph_;
  TCharState runState_;  // the state the last run of paragraph_ was made for
};

}  // namespace

WideString TRichParagraph::Text() const {
  WideString text;
  for (const TRichRun& run : Runs) text += run.Text;
  return text;
}

WideString TRichDocument::Text() const {
  WideString text;
  for (size_t i = 0; i < Paragraphs.size(); ++i) {
    if (i > 0) text += u'\n';
    text += Paragraphs[i].Text();
  }
  return text;
}

bool IsRtf(std::string_view bytes) { return bytes.starts_with(kRtfSignature); }

std::optional<TRichDocument> ReadRtf(std::string_view bytes) {
  if (!IsRtf(bytes)) return std::nullopt;
  return TRtfReader(bytes).Read();
}
