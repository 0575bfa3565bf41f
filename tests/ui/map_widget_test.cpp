#include "ui/platform/map_widget.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <memory>

#include "map/coords_list.h"
#include "map/map_control_fixture.h"

namespace {

class MapWidgetTest : public MapControlTest {
 protected:
  MapWidgetTest() { widget.SetMap(&map); }

  void Send(QEvent::Type type, TPoint at, Qt::MouseButton button, Qt::MouseButtons held,
            Qt::KeyboardModifiers keys = Qt::NoModifier) {
    const QPointF position(at.X, at.Y);
    QMouseEvent event(type, position, widget.mapToGlobal(position), button, held, keys);
    QCoreApplication::sendEvent(&widget, &event);
  }
  void Move(TPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
  void Click(TPoint at, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, keys);
    Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, keys);
  }

  TSWMapWidget widget;
};

}  // namespace

TEST_F(MapWidgetTest, TakesTheBoardsSizeAndPassesThePointerToTheMap) {
  EXPECT_EQ(widget.size(), QSize(1244, 240));

  Move(Inside(1, 4));
  EXPECT_EQ(map.HoveredCell(), &CellAt(1, 4));
  Click(Inside(3, 2));
  EXPECT_EQ(map.SelectedCell(), &CellAt(3, 2));
  Click(Inside(3, 2));
  EXPECT_EQ(map.SelectedCell(), nullptr);
}

TEST_F(MapWidgetTest, PassesModifierKeysSoThatAModifiedClickSelectsDuringASelection) {
  map.BeginSelection();
  map.SetRequiredCount(2);
  Click(Inside(5, 5), Qt::ShiftModifier);
  EXPECT_EQ(map.SelectedCell(), &CellAt(5, 5));
  EXPECT_EQ(map.Selection().Count(), 0);

  Click(Inside(6, 1));
  EXPECT_EQ(map.Selection().Count(), 1);
  EXPECT_EQ(map.SelectedCell(), &CellAt(5, 5));
}

TEST_F(MapWidgetTest, PaintsTheCellsAndNothingBetweenThem) {
  QImage surface(widget.size(), QImage::Format_ARGB32_Premultiplied);
  surface.fill(Qt::transparent);
  widget.render(&surface, QPoint(), QRegion(), QWidget::RenderFlags());

  const TPoint inside = Inside(3, 2);
  EXPECT_EQ(surface.pixelColor(inside.X, inside.Y), QColor(200, 180, 90));
  EXPECT_EQ(surface.pixelColor(2, 2).alpha(), 0);
}

TEST_F(MapWidgetTest, LetsGoOfAMapThatIsDestroyedFirst) {
  auto shortLived = std::make_unique<TSWMap>();
  widget.SetMap(shortLived.get());
  shortLived.reset();
  EXPECT_EQ(widget.Map(), nullptr);
  Move(Inside(1, 1));
}
