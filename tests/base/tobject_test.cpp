#include "base/tobject.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "base/upper_case.h"

namespace {
class TSample : public TObject {
  SW_CLASS(TSample)
};
class TSample_Kind : public TSample {
  SW_CLASS(TSample_Kind)
};
SW_CLASS_DEFINE(TSample, TObject)
SW_CLASS_DEFINE(TSample_Kind, TSample)
}  // namespace

TEST(TObject, ClassNamesInheritanceAndRegistry) {
  TSample_Kind kind;
  TObject& object = kind;
  EXPECT_EQ(object.ClassName(), u"TSample_Kind");
  EXPECT_TRUE(object.Is<TSample>());
  EXPECT_TRUE(object.Is<TObject>());
  TSample plain;
  EXPECT_FALSE(plain.Is<TSample_Kind>());
  EXPECT_EQ(As<TSample_Kind>(&plain), nullptr);

  RegisterClass(TSample_Kind::StaticClass(), nullptr);
  const TRegisteredClass* found = FindRegisteredClass(u"tsample_KIND");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Class, &TSample_Kind::StaticClass());
  EXPECT_EQ(FindRegisteredClass(u"TSample_Other"), nullptr);
}

TEST(TObject, IdentitiesAreDistinctAndTokensAvoidTheSeparator) {
  std::vector<std::unique_ptr<TSample>> objects;
  std::set<uint32_t> seen;
  for (int i = 0; i < 70000; ++i) {
    objects.push_back(std::make_unique<TSample>());
    const uint32_t id = objects.back()->Identity();
    EXPECT_TRUE(seen.insert(id).second);
    const WideString token = ObjectToken(objects.back().get());
    ASSERT_EQ(token.size(), 2u);
    EXPECT_NE(token[0], u'=');
    EXPECT_NE(token[1], u'=');
    EXPECT_NE(token[0], 0);
    EXPECT_NE(token[1], 0);
    EXPECT_EQ(WideUpperCase(token), token);
    EXPECT_EQ(WideLowerCase(token), token);
  }
  EXPECT_EQ(IdentityToken(0x00020001), WideString({char16_t(1), char16_t(2)}));
}
