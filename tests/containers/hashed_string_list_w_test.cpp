#include "containers/hashed_string_list_w.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/tobject.h"
#include "base/upper_case.h"
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

namespace {

// What a plain scan finds: the last item equal without regard to case (by whole string, or by
// the part before the first "=").
int ScannedIndex(const THashedStringListW& list, WideStringView key, bool byName) {
  for (int i = list.Count() - 1; i >= 0; --i) {
    WideStringView item = list.Strings(i);
    const size_t separator = item.find(u'=');
    if (byName && separator == WideStringView::npos) continue;
    if (SameTextW(byName ? item.substr(0, separator) : item, key)) return i;
  }
  return -1;
}

}  // namespace

TEST(HashedStringListW, LookupsAgreeWithAScanThroughEveryKindOfChange) {
  // Few distinct keys, so that duplicates abound and deletes land before, between and after
  // the occurrences of a key; enough items that the tables are built and kept up to date.
  const std::vector<WideString> keys = {
      u"tick", u"TICK", u"x=1", u"X=2", u"\u00E9t\u00E9", u"\u00C9T\u00C9=v",
      u"1:2",  u"2:1",  u"a",   u"b=a"};
  const std::vector<WideString> probes = {u"tick", u"x", u"X=1", u"\u00C9t\u00E9", u"1:2",
                                          u"2:1",  u"A", u"b",   u"missing"};
  THashedStringListW list;
  uint32_t seed = 12345;
  auto next = [&](uint32_t range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % range);
  };
  for (int step = 0; step < 3000; ++step) {
    const int count = list.Count();
    const WideString& key = keys[next(static_cast<uint32_t>(keys.size()))];
    switch (next(10)) {
      case 0:
      case 1:
      case 2:
        list.Add(key);
        break;
      case 3:
        list.Insert(next(count + 1), key);
        break;
      case 4:
      case 5:
        if (count > 0) list.Delete(next(count));
        break;
      case 6:
        if (count > 1) list.Exchange(next(count), next(count));
        break;
      case 7:
        if (count > 0) list.SetStrings(next(count), key);
        break;
      case 8:
        if (count > 1) list.Move(next(count), next(count));
        break;
      default:
        if (count > 40) list.Delete(count - 1);
        break;
    }
    for (const WideString& probe : probes) {
      ASSERT_EQ(list.IndexOf(probe), ScannedIndex(list, probe, false)) << "step " << step;
      ASSERT_EQ(list.IndexOfName(probe), ScannedIndex(list, probe, true)) << "step " << step;
    }
  }
}

TEST(HashedStringListW, ConsecutiveTokensAndCoordinatesAreAllFoundAtScale) {
  // Token halves without letter case, as object identities have.
  auto token = [](int i) { return IdentityToken(0x00023000u + i); };
  THashedStringListW list;
  std::vector<WideString> added;
  for (int i = 0; i < 20000; ++i) {
    added.push_back(i % 2 ? IntToWide(i % 256) + u":" + IntToWide(i / 256)
                          : token(i) + u"=slot add");
    list.Add(added.back());
  }
  for (int i = 0; i < 20000; i += 7) ASSERT_EQ(list.IndexOf(added[i]), i);
  // Deleting from the front moves every later item down by one each time.
  for (int i = 0; i < 100; ++i) list.Delete(0);
  for (int i = 100; i < 20000; i += 7) ASSERT_EQ(list.IndexOf(added[i]), i - 100);
  EXPECT_EQ(list.IndexOfName(token(200)), 100);
  EXPECT_EQ(list.IndexOf(added[0]), -1);
}
