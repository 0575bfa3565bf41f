// The debug window: the snapshot's text as a hand-made record formats it, then the window on a
// fresh game of the shipped data played in turns — its text, the copied text, the click map and
// the saved clickmap.bmp, and its release on closing.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/tobject.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "game/game_session.h"
#include "support/png_writer.h"
#include "support/temp_folder.h"
#include "ui/platform/qt_text.h"
#include "ui/widgets/shadow_label.h"
#include "ui/windows/debug_info_form.h"
#include "ui/windows/debug_info_text.h"

namespace {

WideString JoinedLines(const std::vector<WideString>& lines) {
  WideString text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? u"" : u"\n") + lines[i];
  return text;
}

TEST(DebugInfoText, ListsEveryPartWithCountsAndKilobytes) {
  TSWGameDebugInfo info;
  info.Ticks = 12;
  info.RealTime = true;
  info.MapCellsMemory = 3584;
  info.PlayerLines.Add(u"Gaia=m0 +0");
  info.PlayerLines.Add(u"Player 1=m15 +2");
  // Object-scoped keys: a token of two arbitrary units, one of them a lone surrogate here.
  info.BonusBaskets.AddCounted(IdentityToken(70000) + u"=ManaPerTick", 2);
  info.BonusProviders = 2;
  info.EventHandlers.AddCounted(kEventTick, 3);
  info.EventHandlers.AddCounted(IdentityToken(0x1D800) + u"=" + kEventAfterPaint, 0);
  info.Resources.AddCounted(u"images\\cell.png", 2048);
  info.ResourceMemory = 2560;
  EXPECT_EQ(DebugInfoText(info),
            JoinedLines({
                u"12 ticks have passed since the game beginning (real-time mode).",
                u"Memory that map cells take up: 3.5 KBytes",
                u"",
                u"Players (2):",
                u"1. Gaia (m0 +0);",
                u"2. Player 1 (m15 +2);",
                u"",
                u"Bonuses (1 with 2 providers in total):",
                u"1. #70000=ManaPerTick [2 providers];",
                u"",
                u"Registered events (2):",
                u"1. " + kEventTick + u" [3 handlers];",
                u"2. #120832=" + kEventAfterPaint + u" [0 handlers];",
                u"",
                u"Number of cached resources: 1",
                u"Memory they use: 2.5 KBytes",
                u"1. images\\cell.png [2.0K];",
            }));
}

TEST(DebugInfoText, EmptySnapshotCountsNothingAndEndsWithoutLineBreak) {
  EXPECT_EQ(DebugInfoText(TSWGameDebugInfo()),
            JoinedLines({
                u"0 ticks have passed since the game beginning (turn mode).",
                u"Memory that map cells take up: 0.0 KBytes",
                u"",
                u"Players (0):",
                u"",
                u"Bonuses (0 with 0 providers in total):",
                u"",
                u"Registered events (0):",
                u"",
                u"Number of cached resources: 0",
                u"Memory they use: 0.0 KBytes",
            }));
  EXPECT_EQ(ClickMapSizeCaption(300, 200, 180054), u"300x200 [175.8K]");
}

// Saves into the test's folder and records what it would have opened.
class TestDebugInfoForm : public TDebugInfoForm {
 public:
  TestDebugInfoForm(const TSWConfig& config, QString path)
      : TDebugInfoForm(config), path_(std::move(path)) {}

  QStringList Opened;

 protected:
  QString ClickMapPath() const override { return path_; }
  void OpenFile(const QString& path) override { Opened << path; }

 private:
  QString path_;
};

std::string OpaquePng(int side) {
  TTestPng image;
  image.Width = image.Height = side;
  image.Samples.assign(static_cast<size_t>(side) * side * 4, 255);
  return EncodePng(image);
}

// A data folder with a bare 3 x 2 map and nothing on it: a fresh game there has no bonuses.
class DebugInfoFilesTest : public testing::Test {
 protected:
  DebugInfoFilesTest() {
    folder.MakeFolder("maps");
    folder.MakeFolder("images");
    folder.MakeFolder("images/ui");
    folder.WriteFile("lang.ini", "[Strings]\ndebug form: caption=Behind the scenes\n");
    // A game does not start on empty configuration files; these give no object a bonus.
    folder.WriteFile("objects.ini", "[Soil bonuses]\n");
    folder.WriteFile("abilities.ini", "[Abilities]\n");
    folder.WriteFile("maps/bare.ini",
                     "[General]\nName=Bare\nWidth=3\nHeight=2\n[Tiles]\nY0=soil,clay,soil\n"
                     "Y1=clay,soil,soil\n");
    folder.WriteFile("images/cell.png", OpaquePng(16));
    folder.WriteFile("images/ui/copy.png", OpaquePng(16));
    folder.WriteFile("images/ui/save clickmap.png", OpaquePng(16));
  }

  TTempFolder folder;
};

class DebugInfoFormTest : public DebugInfoFilesTest {
 protected:
  DebugInfoFormTest() { game.Start(); }

  QString PathOf(const char* name) const { return QString::fromStdString(folder.PathOf(name)); }

  TSWGameSession session{folder.NameOf(""), u"maps\\bare", tmTurn};
  TSWGame& game = session.Game();
};

TEST_F(DebugInfoFormTest, FreshGameShowsNoTicksTurnModeAndNoBonusesAndCopiesWithoutLineBreak) {
  TestDebugInfoForm form(session.Config(), PathOf("clickmap.bmp"));
  form.Refresh(game);
  EXPECT_EQ(form.windowTitle(), ToQString(session.Config().Lang(u"debug form: caption")));
  const QStringList lines = form.mm->toPlainText().split(u'\n');
  ASSERT_GT(lines.size(), 10);
  EXPECT_EQ(lines[0], u"0 ticks have passed since the game beginning (turn mode).");
  const qsizetype bonuses = lines.indexOf(u"Bonuses (0 with 0 providers in total):");
  ASSERT_NE(bonuses, -1) << form.mm->toPlainText().toStdString();
  EXPECT_EQ(lines[bonuses + 1], u"");
  EXPECT_EQ(lines[bonuses + 2],
            QStringLiteral("Registered events (%1):").arg(session.Config().Events().Count()));

  form.Copyalltoclipboard1->trigger();
  const QString copied = QGuiApplication::clipboard()->text();
  EXPECT_EQ(copied, form.mm->toPlainText());
  EXPECT_TRUE(copied.startsWith(lines[0]));
  EXPECT_FALSE(copied.endsWith(u'\n'));
  EXPECT_TRUE(form.mm->textCursor().hasSelection());
}

TEST_F(DebugInfoFormTest, RefreshTakesANewSnapshotInPlace) {
  TestDebugInfoForm form(session.Config(), PathOf("clickmap.bmp"));
  form.ShowFor(game);
  game.DeliverTick();
  game.DeliverTick();
  form.ShowFor(game);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.mm->toPlainText().startsWith(
      u"2 ticks have passed since the game beginning (turn mode).\n"));
  form.hide();
}

TEST_F(DebugInfoFormTest, ShowsTheClickMapAndSavesItForTheViewer) {
  TestDebugInfoForm form(session.Config(), PathOf("clickmap.bmp"));
  form.Refresh(game);
  const std::string snapshot = game.GetDebugInfo()->ClickMap.Bytes();
  const QSize clickMap(session.Map().ClickMap().Width(), session.Map().ClickMap().Height());
  ASSERT_FALSE(clickMap.isEmpty());
  EXPECT_EQ(form.imClickMap->size(), clickMap);
  EXPECT_EQ(form.lbClickMapSize->Caption(),
            ClickMapSizeCaption(clickMap.width(), clickMap.height(),
                                static_cast<int64_t>(snapshot.size())));

  form.BitBtn1->click();
  EXPECT_EQ(form.Opened, QStringList{PathOf("clickmap.bmp")});
  EXPECT_EQ(folder.ReadFile("clickmap.bmp"), snapshot);
  EXPECT_EQ(QImage(PathOf("clickmap.bmp")).size(), clickMap);
}

TEST_F(DebugInfoFormTest, FailedSaveOpensNothing) {
  TestDebugInfoForm form(session.Config(), PathOf("missing folder/clickmap.bmp"));
  form.Refresh(game);
  EXPECT_THROW(form.BitBtn1Click(), EFCreateError);
  EXPECT_TRUE(form.Opened.isEmpty());
}

TEST_F(DebugInfoFormTest, ClosingReleasesTheWindow) {
  QPointer<TDebugInfoForm> form = new TestDebugInfoForm(session.Config(), PathOf("clickmap.bmp"));
  form->ShowFor(game);
  form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

}  // namespace
