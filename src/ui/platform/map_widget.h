#pragma once
// The widget that shows the map control, placed in the main window's scroll area: it is the
// control's host. A paint request paints the exposed area through the control; pointer moves and
// button releases go to the control; the control's repaint requests become updates, and its size
// the widget's fixed size, so the scroll area scrolls. The widget paints nothing of its own, so
// whatever lies behind it (the sky) shows between the cells.
#include <QWidget>
#include <memory>

#include "map/map_host.h"

class TSWMap;

class TSWMapWidget : public QWidget, public TSWMapHost {
 public:
  explicit TSWMapWidget(QWidget* parent = nullptr);
  ~TSWMapWidget() override;

  TSWMap* Map() const { return map_; }
  // Hosts `map` (nullptr: none) and leaves the previous one without a host. The map and the
  // widget may go in either order: the widget lets go of a map that is destroyed.
  void SetMap(TSWMap* map);

  void InvalidateRect(const TRect& rect) override;
  void InvalidateAll() override;
  void SetControlSize(int width, int height) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Told when the map is destroyed.
  class TMapWatch;

  std::unique_ptr<TMapWatch> watch_;
  TSWMap* map_ = nullptr;
};
