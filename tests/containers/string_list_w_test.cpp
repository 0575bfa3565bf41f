#include "containers/string_list_w.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace {

WideString Joined(const TStringsW& list) {
  WideString text;
  for (int i = 0; i < list.Count(); ++i) text += (i ? u"," : u"") + list.Strings(i);
  return text;
}

template <class Action>
WideString StringListErrorOf(Action action) {
  try {
    action();
  } catch (const EStringListError& error) {
    return error.Message();
  }
  return u"(no error)";
}

// Records the order of notifications as text: "<" before a change, ">" after it.
struct NotificationLog {
  WideString Text;
  void Changing(TObject*) { Text += u"<"; }
  void Changed(TObject*) { Text += u">"; }
  void Attach(TStringListW& list) {
    list.SetOnChanging(TNotifyEvent::Of<&NotificationLog::Changing>(this));
    list.SetOnChange(TNotifyEvent::Of<&NotificationLog::Changed>(this));
  }
};

}  // namespace

TEST(StringListW, IndexErrorsNameTheIndexAndLeaveTheListUnchanged) {
  TStringListW list;
  list.Add(u"a");
  list.Add(u"b");
  EXPECT_EQ(StringListErrorOf([&] { list.Strings(2); }), u"List index out of bounds (2)");
  EXPECT_EQ(StringListErrorOf([&] { list.Objects(-1); }), u"List index out of bounds (-1)");
  EXPECT_EQ(StringListErrorOf([&] { list.Delete(5); }), u"List index out of bounds (5)");
  EXPECT_EQ(StringListErrorOf([&] { list.Insert(3, u"x"); }), u"List index out of bounds (3)");
  EXPECT_EQ(StringListErrorOf([&] { list.Exchange(0, 2); }), u"List index out of bounds (2)");
  list.Insert(2, u"c");  // inserting at Count is allowed
  EXPECT_EQ(Joined(list), u"a,b,c");
}

TEST(StringListW, SortedListsFollowTheirDuplicateRule) {
  TStringListW list;
  list.SetSorted(true);
  EXPECT_EQ(list.Add(u"m"), 0);
  EXPECT_EQ(list.Add(u"b"), 0);
  EXPECT_EQ(list.Add(u"x"), 2);
  EXPECT_EQ(list.Add(u"B"), 0);  // dupIgnore, compared without case: the existing index
  EXPECT_EQ(Joined(list), u"b,m,x");

  list.SetDuplicates(dupError);
  EXPECT_EQ(StringListErrorOf([&] { list.Add(u"M"); }), u"String list does not allow duplicates");
  EXPECT_EQ(Joined(list), u"b,m,x");

  list.SetDuplicates(dupAccept);
  list.Add(u"m");
  list.Add(u"M");
  int index = -1;
  EXPECT_TRUE(list.Find(u"m", index));
  EXPECT_EQ(index, 1);  // the first of the equal strings
  EXPECT_FALSE(list.Find(u"n", index));
  EXPECT_EQ(index, 4);  // where "n" would go

  EXPECT_EQ(StringListErrorOf([&] { list.Insert(0, u"a"); }),
            u"Operation not allowed on sorted list");
  EXPECT_EQ(StringListErrorOf([&] { list.SetStrings(0, u"a"); }),
            u"Operation not allowed on sorted list");
  EXPECT_EQ(StringListErrorOf([&] { list.Move(0, 1); }), u"Operation not allowed on sorted list");
  EXPECT_EQ(list.Count(), 5);
}

TEST(StringListW, CaseSwitchReordersASortedList) {
  TStringListW list;
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  for (const char16_t* s : {u"b", u"B", u"a", u"A"}) list.Add(s);
  list.SetCaseSensitive(true);
  EXPECT_EQ(Joined(list), u"A,B,a,b");
  EXPECT_EQ(list.IndexOf(u"a"), 2);
  EXPECT_EQ(list.IndexOf(u"c"), -1);
}

TEST(StringListW, MoveKeepsObjectsAndCustomSortComparesByIndex) {
  TStringListW list;
  TObject first, last;
  list.AddObject(u"1", &first);
  list.Add(u"2");
  list.AddObject(u"3", &last);
  list.Move(0, 2);
  EXPECT_EQ(Joined(list), u"2,3,1");
  EXPECT_EQ(list.Objects(2), &first);
  list.Move(2, 0);
  EXPECT_EQ(Joined(list), u"1,2,3");

  list.CustomSort([](const TStringListW& l, int a, int b) {
    return l.Strings(b).compare(l.Strings(a));  // descending
  });
  EXPECT_EQ(Joined(list), u"3,2,1");
  EXPECT_EQ(list.Objects(0), &last);
}

TEST(StringListW, NotifiesAroundEachChangeButOnlyAroundAWholeUpdate) {
  TStringListW list;
  NotificationLog log;
  log.Attach(list);
  list.Add(u"a");
  list.Exchange(0, 0);
  list.SetObjects(0, nullptr);
  EXPECT_EQ(log.Text, u"<><><>");

  log.Text.clear();
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add(u"b");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(log.Text, u"<");
  list.EndUpdate();
  EXPECT_EQ(log.Text, u"<>");

  log.Text.clear();
  list.SetText(u"x\ny");
  EXPECT_EQ(log.Text, u"<>");
}

TEST(StringListW, CapacityGrowsByFourThenSixteenThenAQuarter) {
  TStringListW list;
  std::vector<int> capacities;
  for (int i = 0; i < 100; ++i) {
    list.Add(u"x");
    if (capacities.empty() || capacities.back() != list.Capacity())
      capacities.push_back(list.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
  list.Clear();
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(StringsW, NamesValuesAndDeletionByNameUseTheFirstSeparator) {
  TStringListW list;
  list.SetText(u"key=a=b\r\nplain\r\nKEY=second\r\n=empty name");
  EXPECT_EQ(list.Names(0), u"key");
  EXPECT_EQ(list.Names(1), u"");
  EXPECT_EQ(list.Names(3), u"");
  EXPECT_EQ(list.Values(u"Key"), u"a=b");  // unhashed lookups find the first
  EXPECT_EQ(list.Values(u"plain"), u"");
  EXPECT_EQ(list.IndexOfName(u"plain"), -1);
  EXPECT_TRUE(list.DeleteName(u"KEY"));
  EXPECT_EQ(list.Values(u"key"), u"second");
  EXPECT_TRUE(list.DeleteString(u"PLAIN"));
  EXPECT_FALSE(list.DeleteString(u"plain"));
  list.SetNameValueSeparator(u':');
  list.Add(u"a:1");
  EXPECT_EQ(list.Values(u"a"), u"1");
}
