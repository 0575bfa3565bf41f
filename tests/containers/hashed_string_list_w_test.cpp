#include "containers/hashed_string_list_w.h"

#include <gtest/gtest.h>

#include "containers/string_hash_w.h"

TEST(StringHashW, HashRotatesLeftByTwoAndTheNewestEqualKeyWins) {
  EXPECT_EQ(TStringHashW::HashOf(u""), 0u);
  EXPECT_EQ(TStringHashW::HashOf(u"ab"), (0x61u << 2) ^ 0x62u);
  // Rotated by 18 bits, the top bit of a 16-bit unit wraps around to bit 1.
  EXPECT_EQ(TStringHashW::HashOf(WideString(u"\u8000") + WideString(9, u'\0')), 0x2u);

  TStringHashW hash;
  hash.Add(u"KEY", 1);
  hash.Add(u"OTHER", 2);
  hash.Add(u"KEY", 3);
  EXPECT_EQ(hash.ValueOf(u"KEY"), 3);
  EXPECT_EQ(hash.ValueOf(u"key"), -1);  // exact compare
  EXPECT_EQ(hash.ValueOfUpperCased(u"key"), 3);
  EXPECT_EQ(hash.ValueOf(u"KE"), -1);
  hash.Clear();
  EXPECT_EQ(hash.ValueOf(u"KEY"), -1);
}

TEST(HashedStringListW, FindsTheLastOccurrenceAndRebuildsAfterChanges) {
  THashedStringListW list;
  for (const char16_t* s : {u"A", u"b", u"c", u"a"}) list.Add(s);
  EXPECT_EQ(list.IndexOf(u"A"), 3);
  list.Delete(3);
  EXPECT_EQ(list.IndexOf(u"A"), 0);
  list.Exchange(0, 2);
  EXPECT_EQ(list.IndexOf(u"a"), 2);
  list.BeginUpdate();
  list.Add(u"\u00E9t\u00E9");
  EXPECT_EQ(list.IndexOf(u"\u00C9T\u00C9"), 3);  // changes inside an update invalidate too
  list.EndUpdate();
  EXPECT_EQ(list.IndexOf(u"missing"), -1);

  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf(u"a"), -1);
  EXPECT_EQ(list.IndexOf(u"A"), 2);
}

TEST(HashedStringListW, NamesHashHoldsOnlyItemsWithASeparator) {
  THashedStringListW list;
  list.SetText(u"x\r\ntok=slot add\r\nTOK=paint\r\ny=1=2");
  EXPECT_EQ(list.IndexOfName(u"x"), -1);
  EXPECT_EQ(list.IndexOfName(u"tok"), 2);
  EXPECT_EQ(list.IndexOfName(u"y"), 3);
  EXPECT_EQ(list.IndexOfName(u"y=1"), -1);
  EXPECT_EQ(list.Values(u"Tok"), u"paint");

  // Deleting by name repeatedly removes every item of that name, newest first.
  EXPECT_TRUE(list.DeleteName(u"tok"));
  EXPECT_EQ(list.Values(u"tok"), u"slot add");
  EXPECT_TRUE(list.DeleteName(u"tok"));
  EXPECT_FALSE(list.DeleteName(u"tok"));
  EXPECT_EQ(list.Text(), u"x\r\ny=1=2\r\n");

  list.SetNameValueSeparator(u'1');
  EXPECT_EQ(list.IndexOfName(u"y="), 1);
}
