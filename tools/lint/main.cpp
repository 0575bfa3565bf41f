// sorrelwind-lint [DIR]: checks a data folder (Data by default) and prints every problem, one a
// line. Exits 0 when the folder is clean, 1 when it has problems, 2 on bad usage.
#include <iostream>
#include <string>

#include "base/errors.h"
#include "base/utf8.h"
#include "lint/lint.h"

int main(int argc, char** argv) {
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::cerr << "usage: sorrelwind-lint [DIR]   (DIR: the data folder, Data by default)\n";
    return 2;
  }
  const std::string folder = argc == 2 ? argv[1] : "Data";
  try {
    const TLintReport report = RunLint(folder);
    for (const WideString& line : report.Lines()) std::cout << Utf8Encode(line) << "\n";
    if (report.Clean()) std::cout << Utf8Encode(EscapedText(folder)) << ": no problems found\n";
    return report.Clean() ? 0 : 1;
  } catch (const Exception& error) {
    std::cerr << "sorrelwind-lint: " << error.what() << "\n";
    return 1;
  }
}
