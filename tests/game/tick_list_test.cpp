#include "game/tick_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "config/data_folder_fixture.h"
#include "containers/mem_ini_file_w.h"

namespace {

std::unique_ptr<TMemIniFileW> IniOf(const WideString& text) {
  TStringListW lines;
  lines.SetText(text);
  auto ini = std::make_unique<TMemIniFileW>();
  ini->SetStrings(lines);
  return ini;
}

std::vector<int32_t> TicksOf(const TTickList& list) {
  std::vector<int32_t> ticks;
  for (int i = 0; i < list.Count(); ++i) ticks.push_back(list.Ticks(i));
  return ticks;
}

const WideString kLevels = u"[bloom levels]\n3 1m\n5 2m\n-1 4\n";

TEST(TickListTest, EachModeReadsItsOwnPartOfTheLine) {
  const std::unique_ptr<TMemIniFileW> ini = IniOf(kLevels);
  TTickList turns(tmTurn);
  turns.LoadFrom(*ini, u"bloom levels");
  EXPECT_EQ(turns.TickMode(), tmTurn);
  EXPECT_EQ(TicksOf(turns), (std::vector<int32_t>{3, 5, -1}));
  EXPECT_EQ(turns.Strings(1), u"5 2m");

  TTickList seconds(tmRealTime);
  seconds.LoadFrom(*ini, u"bloom levels");
  EXPECT_EQ(TicksOf(seconds), (std::vector<int32_t>{60, 120, 4}));
}

TEST(TickListTest, LoadingReplacesTheLines) {
  TTickList list(tmTurn);
  list.Add(u"stale");
  list.LoadFrom(*IniOf(u"[a levels]\n7 1h\n"), u"a levels");
  EXPECT_EQ(TicksOf(list), std::vector<int32_t>{7});
  list.LoadFrom(*IniOf(u"[a levels]\n"), u"a levels");
  EXPECT_EQ(list.Count(), 0);
}

TEST(TickListTest, ASpaceAfterABackslashDoesNotSplit) {
  const std::unique_ptr<TMemIniFileW> ini = IniOf(u"[odd levels]\nx\\ y 2h\n90\n");
  TTickList seconds(tmRealTime);
  seconds.LoadFrom(*ini, u"odd levels");
  EXPECT_EQ(TicksOf(seconds), (std::vector<int32_t>{7200, 90}));

  // Without a split the turn part is empty.
  const std::unique_ptr<TMemIniFileW> whole = IniOf(u"[odd levels]\n90\n");
  TTickList turns(tmTurn);
  EXPECT_EQ(ErrorOf<EConvertError>([&] { turns.LoadFrom(*whole, u"odd levels"); }),
            u"Couldn't load level ticks from [odd levels] because 90 wasn't a number.");
  EXPECT_EQ(ErrorOf<EConvertError>([&] { turns.LoadFrom(*ini, u"odd levels"); }),
            u"Couldn't load level ticks from [odd levels] because x\\ y 2h wasn't a number.");
}

TEST(TickListTest, AnUnreadableDurationNamesTheWholeLine) {
  TTickList seconds(tmRealTime);
  EXPECT_EQ(ErrorOf<EConvertError>(
                [&] { seconds.LoadFrom(*IniOf(u"[b levels]\n3 1m\n4 soon\n"), u"b levels"); }),
            u"Couldn't load level ticks from [b levels] because 4 soon wasn't a number.");
}

}  // namespace
