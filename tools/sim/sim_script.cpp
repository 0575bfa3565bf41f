#include "sim/sim_script.h"

#include <charconv>
#include <sstream>

#include "base/utf8.h"
#include "platform/file_stream.h"

namespace {

struct TActionWord {
  const char* Word;
  TSimActionKind Kind;
  bool TakesCell;
  bool TakesAbility;
};

constexpr TActionWord kActionWords[] = {
    {"fire", TSimActionKind::Fire, true, true},
    {"pick", TSimActionKind::Pick, true, false},
    {"cancel", TSimActionKind::Cancel, true, true},
    {"pause", TSimActionKind::Pause, false, false},
    {"resume", TSimActionKind::Resume, false, false},
};

// The script's words go into the message as they are, any byte that is not text escaped.
[[noreturn]] void Fail(const std::string& file, int line, const std::string& message) {
  throw ESimScriptError(EscapedText(file + ":" + std::to_string(line) + ": " + message));
}

std::optional<int32_t> WholeNumber(const std::string& text) {
  int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < 0) return std::nullopt;
  return value;
}

const TActionWord* FindActionWord(const std::string& word) {
  for (const TActionWord& entry : kActionWords)
    if (word == entry.Word) return &entry;
  return nullptr;
}

const TActionWord& ActionWordOf(TSimActionKind kind) {
  for (const TActionWord& entry : kActionWords)
    if (entry.Kind == kind) return entry;
  return kActionWords[0];
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line.substr(0, line.find('#')));
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

TSimAction ParseLine(const std::vector<std::string>& words, const std::string& file, int line) {
  TSimAction action;
  action.File = file;
  action.Line = line;
  const std::optional<int32_t> tick = WholeNumber(words[0]);
  if (!tick) Fail(file, line, "\"" + words[0] + "\" is not a tick number");
  action.Tick = *tick;
  if (words.size() < 2) Fail(file, line, "an action must follow the tick");
  const TActionWord* word = FindActionWord(words[1]);
  if (word == nullptr)
    Fail(file, line, "\"" + words[1] + "\" is not an action (fire, pick, cancel, pause, resume)");
  action.Kind = word->Kind;
  const size_t maxWords = 2 + (word->TakesCell ? 1 : 0) + (word->TakesAbility ? 1 : 0);
  if (word->TakesCell) {
    if (words.size() < 3) Fail(file, line, words[1] + " needs a cell X:Y");
    const size_t colon = words[2].find(':');
    const std::optional<int32_t> x = WholeNumber(words[2].substr(0, colon));
    const std::optional<int32_t> y =
        colon == std::string::npos ? std::nullopt : WholeNumber(words[2].substr(colon + 1));
    if (!x || !y) Fail(file, line, "\"" + words[2] + "\" is not a cell X:Y");
    action.X = *x;
    action.Y = *y;
  }
  if (word->TakesAbility && words.size() > 3) {
    action.Ability = WholeNumber(words[3]);
    if (!action.Ability) Fail(file, line, "\"" + words[3] + "\" is not an ability number");
  }
  if (words.size() > maxWords) Fail(file, line, "unexpected \"" + words[maxWords] + "\"");
  return action;
}

}  // namespace

bool TSimAction::NamesCell() const { return ActionWordOf(Kind).TakesCell; }

std::string TSimAction::Text() const {
  const TActionWord& word = ActionWordOf(Kind);
  std::string text = word.Word;
  if (word.TakesCell) text += " " + std::to_string(X) + ":" + std::to_string(Y);
  if (Ability) text += " " + std::to_string(*Ability);
  return text;
}

std::vector<TSimAction> ParseSimScript(const std::string& text, const std::string& file) {
  if (const std::optional<TUtf8Fault> fault = FindUtf8Fault(text))
    Fail(file, fault->Line,
         "the script is not UTF-8 text (" + Utf8Encode(Utf8FaultText(*fault)) + ")");
  std::vector<TSimAction> actions;
  std::istringstream stream(text);
  int line = 0;
  for (std::string content; std::getline(stream, content);) {
    ++line;
    const std::vector<std::string> words = Words(content);
    if (!words.empty()) actions.push_back(ParseLine(words, file, line));
  }
  return actions;
}

std::vector<TSimAction> LoadSimScript(const std::string& file) {
  std::string text;
  try {
    // The engine's file stream: a folder, a FIFO or a device is refused, and nothing blocks.
    text = TFileStreamW(Utf8Decode(file), TFileMode::OpenRead).ReadRemaining();
  } catch (const EFOpenError& error) {
    throw ESimScriptError(u"cannot read the script " + EscapedText(file) + u": " + error.Message());
  }
  return ParseSimScript(text, file);
}
