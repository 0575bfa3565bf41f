#include "config/object_factory.h"

#include <vector>

#include "data_folder_fixture.h"
#include "test_kinds.h"

namespace {

class ObjectFactoryTest : public testing::Test {
 protected:
  ObjectFactoryTest() { RegisterTestKinds(); }
};

TEST_F(ObjectFactoryTest, TypeWordNamesTheClassWithoutRegardToCase) {
  const TTypeSpec removePath = CreateFrom(u"removepath", TSWAbility::StaticClass());
  EXPECT_EQ(WideString(removePath.Class->Class->Name), u"TSWAbility_RemovePath");
  EXPECT_EQ(removePath.Params, std::vector<WideString>{u"removepath"});

  const TTypeSpec probe = CreateFrom(u" PROBE , weed ,", TSWAbility::StaticClass());
  EXPECT_EQ(probe.Class->Class, &ProbeAbility::StaticClass());
  EXPECT_EQ(probe.Params, (std::vector<WideString>{u"PROBE", u"weed", u""}));
}

TEST_F(ObjectFactoryTest, UnknownWordsWrongFamiliesAndEmptySpecsFail) {
  const TClass& ability = TSWAbility::StaticClass();
  EXPECT_EQ(ErrorOf<EComponentError>([&] { CreateFrom(u" nosuch ,weed", ability); }),
            u"CreateFrom( nosuch ,weed) failed because type  nosuch  is unknown.");
  EXPECT_EQ(ErrorOf<EComponentError>([&] { CreateFrom(u"clay", ability); }),
            u"CreateFrom(clay) failed because type clay is unknown.");
  EXPECT_EQ(ErrorOf<EComponentError>([&] { CreateFrom(u"rogue", ability); }),
            u"CreateFrom(rogue) failed because type rogue is unknown.");
  EXPECT_EQ(ErrorOf<EComponentError>([&] { CreateFrom(u",weed", ability); }),
            u"CreateFrom(,weed) failed because type  is unknown.");
  EXPECT_EQ(ErrorOf<EListError>([&] { CreateFrom(u"", ability); }),
            u"CreateFrom() was passed an empty string.");
}

TEST(ParseDurationTest, SuffixesMultiplyAndAnythingElseFails) {
  EXPECT_EQ(ParseDuration(u"2h"), 7200);
  EXPECT_EQ(ParseDuration(u"5m"), 300);
  EXPECT_EQ(ParseDuration(u"90"), 90);
  EXPECT_EQ(ParseDuration(u"-1m"), -60);
  EXPECT_EQ(ErrorOf<EConvertError>([] { ParseDuration(u"1s"); }),
            u"'1s' is not a valid integer value");
  EXPECT_EQ(ErrorOf<EConvertError>([] { ParseDuration(u"2H"); }),
            u"'2H' is not a valid integer value");
  EXPECT_EQ(ErrorOf<EConvertError>([] { ParseDuration(u"h"); }),
            u"'' is not a valid integer value");
  EXPECT_EQ(ErrorOf<EConvertError>([] { ParseDuration(u""); }), u"'' is not a valid integer value");
  EXPECT_EQ(ErrorOf<EConvertError>([] { ParseDuration(u"1000000h"); }),
            u"'1000000h' is not a valid integer value");
}

}  // namespace
