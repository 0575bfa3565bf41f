#pragma once
// The problems a lint run finds, each with the data file, section and key it concerns, kept in the
// order found. A problem found again (the same place and message) is kept once.
#include <set>
#include <utility>
#include <vector>

#include "base/wide_string.h"

// A place in the data: "maps\genesis.ini", "Objects of Gaia", "2:5". Section and key may be empty.
struct TLintRef {
  TLintRef(WideString file, WideString section = {}, WideString key = {})
      : File(std::move(file)), Section(std::move(section)), Key(std::move(key)) {}

  WideString File;
  WideString Section;
  WideString Key;

  // "FILE [SECTION] KEY", leaving out what is empty.
  WideString Text() const;
};

struct TLintProblem {
  TLintRef Where;
  WideString Message;

  // "FILE [SECTION] KEY: MESSAGE".
  WideString Text() const { return Where.Text() + u": " + Message; }
};

class TLintReport {
 public:
  void Add(const TLintRef& where, const WideString& message);

  bool Clean() const { return problems_.empty(); }
  std::vector<WideString> Lines() const;

 private:
  std::vector<TLintProblem> problems_;
  std::set<WideString> seen_;
};
