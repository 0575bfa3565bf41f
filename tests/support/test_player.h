#pragma once
// A stand-in owner for objects in cells: objects accept any player whose class is named
// TSWPlayer, so tests need not build the game's players.
#include "base/tobject.h"

namespace {

class TestPlayer : public TObject {
 public:
  static const TClass& StaticClass() {
    static const TClass info{u"TSWPlayer", &TObject::StaticClass()};
    return info;
  }
  const TClass& ClassType() const override { return StaticClass(); }
};

}  // namespace
