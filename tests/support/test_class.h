#pragma once
// Class information for test classes that stand in for classes known only by name, or that
// need a name of their own without a source-file definition.
#include "base/tobject.h"

#define SW_TEST_CLASS(Name, Parent)                         \
  static const TClass& StaticClass() {                      \
    static const TClass info{Name, &Parent::StaticClass()}; \
    return info;                                            \
  }                                                         \
  const TClass& ClassType() const override { return StaticClass(); }
