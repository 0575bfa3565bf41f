// The ability panel over a game in turns: a flower with a targeting ability, an auto-cast one and
// one that starts recharging, fired, cancelled and toggled from its buttons, with ticks by hand.
#include "ui/widgets/ability_panel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/errors.h"
#include "config/config_store.h"
#include "game/ability.h"
#include "game/ability_link.h"
#include "game/ability_list.h"
#include "game/flower.h"
#include "game/game_session.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "support/png_writer.h"
#include "support/temp_folder.h"
#include "ui/widgets/png_speed_button.h"

namespace {

constexpr TRgba kVegetateColour{0, 160, 0, 255};
constexpr TRgba kRemovePathColour{160, 0, 0, 255};
constexpr TRgba kCancelColour{0, 0, 160, 255};
constexpr TRgba kAutocastColour{240, 240, 0, 255};

std::string FilledPng(int side, TRgba colour) {
  TTestPng image;
  image.Width = image.Height = side;
  for (int i = 0; i < side * side; ++i)
    image.Samples.insert(image.Samples.end(), {colour.R, colour.G, colour.B, colour.A});
  return EncodePng(image);
}

// The data the session loads when it is made: a 3 x 1 board and the flower "bloomer".
class AbilityPanelFiles : public testing::Test {
 protected:
  AbilityPanelFiles() {
    for (const char* name : {"maps", "images", "images/ui", "images/abilities"})
      folder.MakeFolder(name);
    folder.WriteFile("images/cell.png", FilledPng(8, {1, 1, 1, 255}));
    folder.WriteFile("images/ui/cancel.png", FilledPng(32, kCancelColour));
    folder.WriteFile("images/ui/autocast.png", FilledPng(16, kAutocastColour));
    folder.WriteFile("images/abilities/vegetate 32.png", FilledPng(32, kVegetateColour));
    folder.WriteFile("images/abilities/removepath 32.png", FilledPng(32, kRemovePathColour));
    folder.WriteFile("lang.ini",
                     "[Strings]\nability: vegetate=Vegetate\nability: removepath=Remove path\n"
                     "autocast tip=, by itself\n");
    folder.WriteFile("objects.ini",
                     "[bloomer]\nHP=100\n"
                     "[bloomer abilities at 1]\nvegetate,bloomer\nremovepath=autocast\n"
                     "vegetate,bean=uncharged\n");
    folder.WriteFile("abilities.ini",
                     "[vegetate]\ncooldown=10 10\n[vegetate distances]\n*=1\n"
                     "[removepath]\ncooldown=3 3\n");
    folder.WriteFile("maps/field.ini",
                     "[General]\nName=Field\nWidth=3\nHeight=1\n[Tiles]\nY0=soil,soil,soil\n");
  }

  TTempFolder folder;
};

class AbilityPanelTest : public AbilityPanelFiles {
 protected:
  AbilityPanelTest() {
    session.Game().Start();
    TSWMapCellSlots& cellSlots = session.Map().Cell(0, 0).Slots();
    cellSlots.Add(u"bloomer", &session.Player1());
    for (int i = 0; i < cellSlots.Count(); ++i)
      if (cellSlots.Flowers(i).Name() == u"bloomer") flower = &cellSlots.Flowers(i);
    if (flower == nullptr) throw std::logic_error("the flower did not arrive");
    panel.resize(215, 32);
    panel.SetConfig(&session.Config());
    panel.SetFlower(flower);
    panel.SetAbilities(&flower->Abilities());
  }

  TPNGSpeedButton& Button(int index) { return *panel.Buttons(index); }
  TSWAbilityLink& Link(int index) { return *flower->Abilities().Links(index); }
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) session.Game().DeliverTick();
  }
  void RightClick(QWidget& widget) {
    const QPointF centre = QRectF(widget.rect()).center();
    QMouseEvent release(QEvent::MouseButtonRelease, centre, widget.mapToGlobal(centre),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &release);
  }
  // The colour in the middle of the image the button combines first, its icon or the cancel.
  static TRgba IconColour(const TPNGSpeedButton& button) {
    return button.Combine1() ? button.Combine1()->Pixel(4, 16) : TRgba{};
  }
  std::vector<bool> EnabledStates() {
    std::vector<bool> states;
    for (int i = 0; i < panel.ButtonCount(); ++i) states.push_back(Button(i).isEnabled());
    return states;
  }

  TSWGameSession session{folder.NameOf(""), u"maps\\field", tmTurn};
  TSWFlower* flower = nullptr;
  TSWAbilityPanel panel;
};

template <class E, class Action>
WideString MessageOf(Action action) {
  try {
    action();
  } catch (const E& error) {
    return error.Message();
  }
  return u"(no error)";
}

TEST(AbilityButtonLayout, FillsRowsAsWideAsThePanelAndStartsANewRowBelow) {
  TPoint place;
  std::vector<int> row;
  for (int i = 0; i < 5; ++i, place = NextAbilityButtonPos(place, 215)) row.push_back(place.X);
  EXPECT_EQ(row, (std::vector<int>{0, 44, 88, 132, 176}));
  EXPECT_EQ(place, (TPoint{0, 44}));
  EXPECT_EQ(NextAbilityButtonPos({44, 0}, 123), (TPoint{0, 44}));
  EXPECT_EQ(NextAbilityButtonPos({44, 0}, 124), (TPoint{88, 0}));
  // Narrower than a button: one to a row all the same.
  EXPECT_EQ(NextAbilityButtonPos({0, 44}, 20), (TPoint{0, 88}));
  EXPECT_EQ(AbilityPanelHeight({0, 0}), 36);
  EXPECT_EQ(AbilityPanelHeight({44, 44}), 80);
}

TEST_F(AbilityPanelTest, ShowsOneButtonPerLinkWithItsIconHintAndAutocastToggle) {
  ASSERT_EQ(panel.ButtonCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Button(i).geometry(), QRect(44 * i, 0, 36, 36)) << i;
    EXPECT_EQ(panel.LinkOf(&Button(i)), &Link(i)) << i;
  }
  EXPECT_EQ(panel.height(), 36);
  EXPECT_EQ(Button(0).toolTip(), QStringLiteral("Vegetate"));
  EXPECT_EQ(Button(0).GroupIndex(), 0);
  EXPECT_EQ(IconColour(Button(0)), kVegetateColour);

  TPNGSpeedButton& autocast = Button(1);
  EXPECT_EQ(autocast.toolTip(), QStringLiteral("Remove path, by itself"));
  EXPECT_NE(autocast.GroupIndex(), 0);
  EXPECT_TRUE(autocast.AllowAllUp());
  EXPECT_TRUE(autocast.Down());
  ASSERT_EQ(autocast.DrawGlyph().Width(), 28);
  EXPECT_EQ(autocast.DrawGlyph().Pixel(20, 4), kAutocastColour);
  EXPECT_EQ(autocast.DrawGlyph().Pixel(4, 20), kRemovePathColour);
}

TEST_F(AbilityPanelTest, ANarrowPanelStacksRowsThatDoNotOverlap) {
  panel.resize(90, 32);
  panel.SetAbilities(&flower->Abilities());
  ASSERT_EQ(panel.ButtonCount(), 3);
  EXPECT_EQ(Button(0).geometry(), QRect(0, 0, 36, 36));
  EXPECT_EQ(Button(1).geometry(), QRect(44, 0, 36, 36));
  EXPECT_EQ(Button(2).geometry(), QRect(0, 44, 36, 36));
  EXPECT_EQ(panel.height(), 80);
  EXPECT_FALSE(Button(2).geometry().intersects(Button(0).geometry()));
}

TEST_F(AbilityPanelTest, TheRefreshShowsTheShareOfTheRechargeDoneAndNoClockWhenReady) {
  EXPECT_TRUE(panel.RefreshTimer().isActive());
  EXPECT_EQ(panel.RefreshTimer().interval(), 150);
  TPNGSpeedButton& uncharged = Button(2);
  EXPECT_FALSE(uncharged.isEnabled());
  EXPECT_EQ(uncharged.ClockGray(), 0);
  EXPECT_EQ(Button(0).ClockGray(), -1);

  Tick(7);
  EXPECT_EQ(Link(2).RechargePercent(), 30);
  EXPECT_EQ(uncharged.ClockGray(), 0);  // only the refresh reads the links
  panel.tmRefreshTimer();
  EXPECT_FALSE(uncharged.isEnabled());
  EXPECT_EQ(uncharged.ClockGray(), 70);

  Tick(3);
  panel.tmRefreshTimer();
  EXPECT_TRUE(uncharged.isEnabled());
  EXPECT_EQ(uncharged.ClockGray(), -1);
}

TEST_F(AbilityPanelTest, FiringDisablesTheOthersAndTheCancelClickRestoresThem) {
  int started = 0;
  int stopped = 0;
  QObject::connect(&panel, &TSWAbilityPanel::FiringStarted, [&] { ++started; });
  QObject::connect(&panel, &TSWAbilityPanel::FiringStopped, [&] { ++stopped; });
  TPNGSpeedButton& fired = Button(0);
  fired.click();
  ASSERT_TRUE(panel.FiringInProgress());
  EXPECT_EQ(panel.FiringInstance(), &Link(0).Instance());
  EXPECT_TRUE(Link(0).Instance().IsFiring());
  EXPECT_EQ(panel.FiringButton(), &fired);
  EXPECT_EQ(IconColour(fired), kCancelColour);
  EXPECT_EQ(EnabledStates(), (std::vector<bool>{true, false, false}));
  EXPECT_FALSE(panel.RefreshTimer().isActive());
  EXPECT_EQ(started, 1);

  // A second ability cannot be fired meanwhile, nor auto-cast switched.
  Button(1).click();
  EXPECT_EQ(panel.FiringInstance(), &Link(0).Instance());
  EXPECT_EQ(MessageOf<Exception>([&] { panel.Fire(&Button(1)); }),
            u"Cannot fire ability from TSWAbilityPanel - vegetate is already being fired.");
  panel.BtnMouseUp(&Button(1), Qt::RightButton, Qt::NoModifier, 5, 5);
  EXPECT_TRUE(Link(1).Autocast());

  fired.click();
  EXPECT_FALSE(panel.FiringInProgress());
  EXPECT_FALSE(Link(0).Instance().IsFiring());
  EXPECT_EQ(panel.FiringButton(), nullptr);
  EXPECT_EQ(IconColour(fired), kVegetateColour);
  EXPECT_EQ(EnabledStates(), (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(panel.RefreshTimer().isActive());
  EXPECT_EQ(stopped, 1);
  // Cancelled, not ended: no recharge; and a click fires again.
  panel.tmRefreshTimer();
  EXPECT_EQ(EnabledStates(), (std::vector<bool>{true, true, false}));
  fired.click();
  EXPECT_TRUE(panel.FiringInProgress());
}

TEST_F(AbilityPanelTest, TheAutocastButtonFiredLosesItsMarkAndOtherInstancesLeaveAFiringAlone) {
  TPNGSpeedButton& autocast = Button(1);
  autocast.click();  // no path to remove: it cancels at once
  EXPECT_FALSE(panel.FiringInProgress());
  EXPECT_EQ(IconColour(autocast), kRemovePathColour);
  EXPECT_EQ(autocast.Combine2(), nullptr);
  EXPECT_TRUE(autocast.Down());

  Button(0).click();
  Tick();  // the auto-cast fires and cancels the instance the panel follows since its click
  EXPECT_TRUE(panel.FiringInProgress());
  EXPECT_EQ(IconColour(Button(0)), kCancelColour);

  // Rebuilding abandons the firing; the rebuilt button has its mark again.
  panel.SetAbilities(&flower->Abilities());
  EXPECT_FALSE(panel.FiringInProgress());
  EXPECT_FALSE(Link(0).Instance().IsFiring());
  EXPECT_EQ(Button(1).Combine2()->Pixel(0, 0), kAutocastColour);
}

TEST_F(AbilityPanelTest, ARightClickTogglesAutocastOfAutocastButtonsOnly) {
  RightClick(Button(1));
  EXPECT_FALSE(Link(1).Autocast());
  EXPECT_FALSE(Button(1).Down());
  RightClick(Button(1));
  EXPECT_TRUE(Link(1).Autocast());
  EXPECT_TRUE(Button(1).Down());
  RightClick(Button(0));
  EXPECT_FALSE(Button(0).Down());
  EXPECT_FALSE(panel.FiringInProgress());
  panel.BtnMouseUp(&Button(1), Qt::LeftButton, Qt::NoModifier, 5, 5);
  EXPECT_TRUE(Link(1).Autocast());

  QObject stranger;
  EXPECT_EQ(MessageOf<EComponentError>(
                [&] { panel.BtnMouseUp(&stranger, Qt::RightButton, Qt::NoModifier, 5, 5); }),
            u"TSWAbilityPanel.BtnMouseUp expected a TPNGSpeedButton Sender.");
  EXPECT_EQ(MessageOf<EComponentError>([&] { panel.Fire(&stranger); }),
            u"TSWAbilityPanel.Fire expected a TPNGSpeedButton Sender.");
}

TEST_F(AbilityPanelTest, AFireTheInstanceRefusesLeavesThePanelIdle) {
  Link(0).Fire();  // fired elsewhere, waiting for its target
  EXPECT_THROW(panel.Fire(&Button(0)), EInvalidOperation);
  EXPECT_FALSE(panel.FiringInProgress());
  EXPECT_EQ(IconColour(Button(0)), kVegetateColour);
  EXPECT_EQ(EnabledStates(), (std::vector<bool>{true, true, true}));
  Link(0).Instance().Cancel();

  // A recharge that began after the last refresh: the click only disables the button.
  Link(0).StartRecharge();
  Button(0).click();
  EXPECT_FALSE(panel.FiringInProgress());
  EXPECT_FALSE(Link(0).Instance().IsFiring());
  EXPECT_FALSE(Button(0).isEnabled());
}

TEST_F(AbilityPanelTest, LinksThatGoWithTheirFlowerEndTheFiringAndDisableTheButtons) {
  int stopped = 0;
  QObject::connect(&panel, &TSWAbilityPanel::FiringStopped, [&] { ++stopped; });
  Button(0).click();
  flower->Die();
  EXPECT_FALSE(panel.FiringInProgress());
  EXPECT_EQ(stopped, 1);
  for (int i = 0; i < panel.ButtonCount(); ++i) EXPECT_EQ(panel.LinkOf(&Button(i)), nullptr);
  panel.tmRefreshTimer();
  EXPECT_EQ(EnabledStates(), (std::vector<bool>{false, false, false}));
}

}  // namespace
