#pragma once
// The rich text (RTF) reader for map introductions: turns the bytes of an RTF file into a small
// document model (paragraphs of formatted runs) that a text widget shows as it is.
//
// What it reads (RTF 1.x as word processors and converters write it):
// - groups `{...}`, each keeping its own character and paragraph format, `\uc` count and
//   destination, restored when the group closes;
// - `\par` ends a paragraph (as do `\sect` and `\row`; a backslash before a line feed too);
//   `\pard` resets the paragraph format; `\ql \qc \qr \qj` set the alignment;
// - `\line` is a line break inside the paragraph: it appears in the run text as U+2028 (LINE
//   SEPARATOR, what Qt's text engine uses for a break within a block); `\tab` (and a raw tab byte,
//   and `\cell`) appear as U+0009;
// - `\b \i \ul \strike` (and `\ulnone`, the other underline styles, `\striked`), each turned off
//   by a parameter of 0; `\v` hides text; `\plain` resets the character format; `\fsN` (in half
//   points); `\cfN` through `\colortbl`; `\fN` (and `\deffN`) through `\fonttbl`;
// - `\'hh` in the code page of the run's font (`\fcharset` 0, 238, 204) or else the document's
//   (`\ansicpgN`): 1252, 1250 and 1251 are decoded, any other code page is read as 1252;
// - `\uN` (a negative N stands for N + 65536) followed by `\ucN` fallback characters (default 1)
//   that are skipped: a byte, an `\'hh` or a control word each count as one; a brace ends the
//   skipping;
// - `\\ \{ \}`, `\~` (U+00A0), `\-` (U+00AD), `\_` (U+2011), `\emdash \endash \bullet \lquote
//   \rquote \ldblquote \rdblquote \emspace \enspace`;
// - destinations whose text is not shown: `{\*...}`, `\fonttbl` and `\colortbl` (read for their
//   entries), `\stylesheet`, `\info`, `\pict`, `\object`, headers and footers, footnotes, field
//   instructions (`\fldinst`; the field's `\fldrslt` text is shown), and `\binN` data is passed
//   over by its length.
// Unknown control words are ignored, as are CR and LF in the source. Raw bytes above 0x7F that
// form a UTF-8 sequence are read as UTF-8 (the text of a hand-written file); other raw bytes are
// read in the code page like `\'hh`. Malformed input never fails: what is there is read, unclosed
// groups end with the input, and nothing after the outermost group's closing brace is read.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "base/wide_string.h"

enum class TRichAlignment { Left, Center, Right, Justify };

struct TRichColor {
  uint8_t R = 0;
  uint8_t G = 0;
  uint8_t B = 0;
  friend bool operator==(const TRichColor&, const TRichColor&) = default;
};

struct TRichFormat {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strike = false;
  double FontSize = 12;             // in points; `\fs24` is the RTF default
  std::optional<TRichColor> Color;  // none: the automatic (default) text colour
  WideString FontName;              // empty: the font table does not name the run's font
  friend bool operator==(const TRichFormat&, const TRichFormat&) = default;
};

// Text of one format. Neighbouring runs of a paragraph always differ in format.
struct TRichRun {
  WideString Text;
  TRichFormat Format;
};

struct TRichParagraph {
  TRichAlignment Alignment = TRichAlignment::Left;
  std::vector<TRichRun> Runs;  // empty for an empty paragraph

  // The text of all runs.
  WideString Text() const;
};

struct TRichDocument {
  // Every paragraph ended by `\par`, then the text after the last `\par` if there is any.
  std::vector<TRichParagraph> Paragraphs;

  // The paragraphs' text, each followed by "\n" but the last.
  WideString Text() const;
};

// True when the bytes are rich text: they start with "{\rtf".
bool IsRtf(std::string_view bytes);

// The document the bytes hold; none when they are not rich text (then the caller shows them as
// plain text).
std::optional<TRichDocument> ReadRtf(std::string_view bytes);
