#pragma once
// The cells an ability can reach from a flower's cell: a depth-bounded flood that walks to the
// eight neighbours of each cell, stops at blocked cells, and takes a diagonal step only when
// one of the two cells beside it is open. Its depth-first order is part of the rules: a cell
// reached first along a longer path is not expanded again when a shorter path reaches it.
#include <vector>

#include "base/bound_method.h"
#include "base/tobject.h"
#include "platform/geometry.h"

class TCoordsList;
class TSWBasicMap;
class TSWMapCell;

// Whether a cell stops the flood.
using TSWFloodBlocks = TBoundMethod<bool(const TSWMapCell& cell)>;

class TSWMapFlooder : public TObject {
  SW_CLASS(TSWMapFlooder)

  explicit TSWMapFlooder(TSWBasicMap* map) : map_(map) {}

  // Where the flood records the cells it reaches, in the order it reaches them; the caller owns
  // it.
  TCoordsList* Flooded() const { return flooded_; }
  void SetFlooded(TCoordsList* flooded) { flooded_ = flooded; }
  // Without it only the map's edge blocks.
  const TSWFloodBlocks& Blocks() const { return blocks_; }
  void SetBlocks(const TSWFloodBlocks& blocks) { blocks_ = blocks; }

  // Floods from (x, y): nothing below depth 1; depth 1 reaches the start cell and its open
  // neighbours. Fails with "Flooded list must be assigned prior to calling
  // TSWMapFlooder.Start." (EComponentError) without a Flooded list. The depth-first walk keeps
  // its own list of cells still to flood from, so any depth on any board leaves the call stack
  // alone.
  void Start(int x, int y, int depth);

 private:
  // A flooded cell whose new neighbours are still to be flooded from, the last first.
  struct TPending {
    int Depth;
    std::vector<TPoint> Added;
  };

  // Adds (x, y) and then its open neighbours that are new, and returns those neighbours;
  // nothing below depth 1.
  std::vector<TPoint> Expand(int x, int y, int depth);
  bool IsBlocked(int x, int y) const;
  // Adds the cell when it is open and not flooded yet; true when it was added.
  bool TryAdd(int x, int y);

  TSWBasicMap* map_;
  TCoordsList* flooded_ = nullptr;
  TSWFloodBlocks blocks_;
};
