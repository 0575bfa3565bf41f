#include "containers/explode.h"

#include "base/errors.h"

std::vector<WideString> Explode(WideStringView delimiter, WideStringView text, int limit,
                                bool skipEmpty) {
  std::vector<WideString> pieces;
  const auto add = [&](WideStringView piece) {
    if (skipEmpty && piece.empty()) return;
    if (pieces.size() == kExplodeMaxPieces)
      Raise<EOutOfMemory>(u"Explode does not support more than %d pieces.",
                          {static_cast<int>(kExplodeMaxPieces)});
    pieces.emplace_back(piece);
  };
  const auto atLastPiece = [&] {
    return limit > 0 && pieces.size() + 1 >= static_cast<size_t>(limit);
  };

  size_t start = 0;
  size_t found;
  while (!delimiter.empty() && !atLastPiece() &&
         (found = text.find(delimiter, start)) != WideStringView::npos) {
    add(text.substr(start, found - start));
    start = found + delimiter.size();
  }
  add(text.substr(start));
  return pieces;
}
