// The main window's start, settings, introduction and toolbar, on the shipped data. The game runs
// in turns, so no tick arrives unless a test delivers it.
#include "ui/windows/main_form.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <string>
#include <vector>

#include "base/errors.h"
#include "config/config_store.h"
#include "game/game.h"
#include "support/temp_folder.h"
#include "ui/widgets/png_speed_button.h"
#include "ui/widgets/shadow_label.h"
#include "ui/windows/debug_info_form.h"

namespace {

// Records how the introduction was shown, and can refuse to show it.
class TestMainForm : public TMainForm {
 public:
  explicit TestMainForm(const std::string& settingsPath)
      : TMainForm({QStringLiteral(SW_DATA_DIR), QString::fromStdString(settingsPath), tmTurn}) {}

  std::vector<bool> PausedWhileShown;
  bool FailShowing = false;
  // Closing while the introduction shows, as the end of a session closes every window.
  bool CloseWhileShown = false;

 protected:
  void ShowIntroModal(TIntroForm& /*form*/) override {
    PausedWhileShown.push_back(Game().Paused());
    if (CloseWhileShown) {
      EXPECT_FALSE(close());
    }
    if (FailShowing) Raise<EInvalidOperation>(u"The introduction cannot be shown.");
  }
};

// The window's place as the cell info window would keep it.
class PlacementRecorder : public TCellInfoView {
 public:
  bool IsShown() const override { return false; }
  void ShowCell(TSWMapCell& /*cell*/) override {}
  TCellInfoPlacement Placement() const override { return placement; }
  void SetPlacement(const TCellInfoPlacement& value) override { placement = value; }
  TCellInfoPlacement placement;
};

class MainFormTest : public testing::Test {
 protected:
  std::string SettingsPath() const { return folder.PathOf("settings.ini"); }
  std::string Settings() const { return folder.ReadFile("settings.ini"); }

  // Shown and started, as the program starts it.
  void Show(TestMainForm& form) {
    form.show();
    QCoreApplication::processEvents();
  }

  TTempFolder folder;
};

bool Holds(const std::string& text, const std::string& line) {
  return text.find(line + "\n") != std::string::npos ||
         text.find(line + "\r\n") != std::string::npos;
}

TEST_F(MainFormTest, StartsWithDefaultSettingsAndWritesTheFiveGeneralKeys) {
  {
    TestMainForm form(SettingsPath());
    PlacementRecorder cellInfo;
    form.SetCellInfoView(&cellInfo);
    Show(form);
    EXPECT_TRUE(form.btnInfoOnHover->Down());
    EXPECT_FALSE(form.btnShowGrid->Down());
    EXPECT_FALSE(form.Config().ShowGrid());
    EXPECT_EQ(cellInfo.placement.X, 182);
    EXPECT_EQ(cellInfo.placement.Height, 275);
    form.close();
  }
  const std::string settings = Settings();
  for (const char* line : {"Cell info form X=182", "Cell info form Y=140",
                           "Cell info form Height=275", "Info on hover=1", "Show grid=0"})
    EXPECT_TRUE(Holds(settings, line)) << line << " in\n" << settings;
}

TEST_F(MainFormTest, RestoresTheHeightWhateverTheKeysCaseAndTheSwitches) {
  folder.WriteFile("settings.ini",
                   "[General]\nCELL INFO FORM HEIGHT=321\nInfo on hover=0\nShow grid=1\n");
  TestMainForm form(SettingsPath());
  PlacementRecorder cellInfo;
  form.SetCellInfoView(&cellInfo);
  Show(form);
  EXPECT_EQ(cellInfo.placement.Height, 321);
  EXPECT_FALSE(form.btnInfoOnHover->Down());
  EXPECT_TRUE(form.btnShowGrid->Down());
  EXPECT_TRUE(form.Config().ShowGrid());
}

TEST_F(MainFormTest, ShowsEachIntroductionOnceWithTheGamePaused) {
  {
    TestMainForm first(SettingsPath());
    Show(first);
    EXPECT_EQ(first.PausedWhileShown, std::vector<bool>{true});
    EXPECT_FALSE(first.Game().Paused());
    first.close();
  }
  EXPECT_TRUE(Holds(Settings(), "intro: Genesis=1"));
  TestMainForm second(SettingsPath());
  Show(second);
  EXPECT_TRUE(second.PausedWhileShown.empty());
}

TEST_F(MainFormTest, AWindowClosedUnderItsIntroductionClosesOnceItIsRecorded) {
  {
    TestMainForm form(SettingsPath());
    form.CloseWhileShown = true;
    Show(form);
    ASSERT_EQ(form.PausedWhileShown, std::vector<bool>{true});
    EXPECT_TRUE(Holds(Settings(), "intro: Genesis=1"));
    // The close waits for the loop to come back from the introduction.
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
  }
  const std::string settings = Settings();
  for (const char* line : {"intro: Genesis=1", "Show grid=0"})
    EXPECT_TRUE(Holds(settings, line)) << line << " in\n" << settings;
}

TEST_F(MainFormTest, ResumesTheGameWhenTheIntroductionFails) {
  TestMainForm form(SettingsPath());
  form.FailShowing = true;
  EXPECT_THROW(form.Game().Start(), EInvalidOperation);
  EXPECT_EQ(form.PausedWhileShown, std::vector<bool>{true});
  EXPECT_FALSE(form.Game().Paused());
  form.close();
  EXPECT_FALSE(Holds(Settings(), "intro: Genesis=1"));
}

TEST_F(MainFormTest, PausePressedTwiceRunsAgainWithTheButtonUp) {
  TestMainForm form(SettingsPath());
  Show(form);
  form.PNGSpeedButton3->click();
  EXPECT_TRUE(form.Game().Paused());
  EXPECT_TRUE(form.PNGSpeedButton3->Down());
  form.PNGSpeedButton3->click();
  EXPECT_FALSE(form.Game().Paused());
  EXPECT_FALSE(form.PNGSpeedButton3->Down());
}

TEST_F(MainFormTest, RemembersItsSizeAndPlaceUnlessThatIsOnNoScreen) {
  QRect designed;
  {
    TestMainForm form(SettingsPath());
    designed = form.geometry();
    Show(form);
    form.setGeometry(40, 30, 700, 420);
    form.close();
  }
  const std::string settings = Settings();
  for (const char* line : {"Main form X=40", "Main form Y=30", "Main form width=700",
                           "Main form height=420", "Main form maximized=0", "Show grid=0"})
    EXPECT_TRUE(Holds(settings, line)) << line << " in\n" << settings;
  EXPECT_EQ(TestMainForm(SettingsPath()).geometry(), QRect(40, 30, 700, 420));

  folder.WriteFile("settings.ini",
                   "[General]\nMain form X=9000\nMain form Y=9000\nMain form width=600\n"
                   "Main form height=300\nMain form maximized=1\n");
  TestMainForm lost(SettingsPath());
  EXPECT_EQ(lost.geometry(), designed);
  EXPECT_TRUE(lost.windowState() & Qt::WindowMaximized);
}

TEST_F(MainFormTest, KeepsTheMapLabelsAtTheRightEdgeOfANarrowerWindow) {
  TestMainForm form(SettingsPath());
  Show(form);
  form.resize(600, 400);
  for (const TShadowLabel* label : {form.lbMapCaption, form.lbMapInfo})
    EXPECT_EQ(label->geometry().right(), 600 - 1 - (975 - 720 - 233));
}

TEST_F(MainFormTest, ToolbarSwitchesAnswerTheKeysTheirTooltipsName) {
  TestMainForm form(SettingsPath());
  Show(form);
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  const struct {
    TPNGSpeedButton* button;
    Qt::Key key;
    const char* named;
  } switches[] = {{form.btnInfoOnHover, Qt::Key_I, "(I)"},
                  {form.btnShowGrid, Qt::Key_G, "(G)"},
                  {form.PNGSpeedButton3, Qt::Key_P, "(P)"}};
  for (const auto& each : switches) {
    EXPECT_TRUE(each.button->toolTip().endsWith(each.named))
        << each.button->toolTip().toStdString();
    const bool before = each.button->Down();
    // A shortcut clicks its button after a short animation.
    QTest::keyClick(form.windowHandle(), each.key);
    EXPECT_TRUE(QTest::qWaitFor([&] { return each.button->Down() != before; })) << each.named;
  }
  EXPECT_TRUE(form.Config().ShowGrid());
  EXPECT_TRUE(form.Game().Paused());
  EXPECT_TRUE(form.PNGSpeedButton1->toolTip().endsWith("(D)"));
  QTest::keyClick(form.windowHandle(), Qt::Key_D);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.DebugInfoForm() != nullptr; }));
  EXPECT_TRUE(form.DebugInfoForm()->isVisible());
}

}  // namespace
