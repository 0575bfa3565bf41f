#include "lint/lint_report.h"

WideString TLintRef::Text() const {
  WideString text = File;
  if (!Section.empty()) text += u" [" + Section + u"]";
  if (!Key.empty()) text += u" " + Key;
  return text;
}

void TLintReport::Add(const TLintRef& where, const WideString& message) {
  TLintProblem problem{where, message};
  if (seen_.insert(problem.Text()).second) problems_.push_back(std::move(problem));
}

std::vector<WideString> TLintReport::Lines() const {
  std::vector<WideString> lines;
  for (const TLintProblem& problem : problems_) lines.push_back(problem.Text());
  return lines;
}
