#include "ui/platform/map_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <optional>

#include "base/component.h"
#include "map/sw_map.h"
#include "ui/platform/qt_canvas.h"
#include "ui/platform/qt_geometry.h"

namespace {

std::optional<TMouseButton> EngineButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return TMouseButton::Left;
    case Qt::RightButton:
      return TMouseButton::Right;
    case Qt::MiddleButton:
      return TMouseButton::Middle;
    default:
      return std::nullopt;
  }
}

// The modifier keys and the buttons still held.
TShiftState ShiftStateOf(const QMouseEvent& event) {
  const Qt::KeyboardModifiers keys = event.modifiers();
  const Qt::MouseButtons buttons = event.buttons();
  return static_cast<TShiftState>(
      (keys & Qt::ShiftModifier ? ssShift : 0) | (keys & Qt::AltModifier ? ssAlt : 0) |
      (keys & Qt::ControlModifier ? ssCtrl : 0) | (buttons & Qt::LeftButton ? ssLeft : 0) |
      (buttons & Qt::RightButton ? ssRight : 0) | (buttons & Qt::MiddleButton ? ssMiddle : 0));
}

}  // namespace

class TSWMapWidget::TMapWatch : public TComponent {
 public:
  explicit TMapWatch(TSWMapWidget& widget) : widget_(widget) {}

 protected:
  void ComponentFreed(TComponent* component) override {
    if (component == widget_.map_) widget_.map_ = nullptr;
  }

 private:
  TSWMapWidget& widget_;
};

TSWMapWidget::TSWMapWidget(QWidget* parent)
    : QWidget(parent), watch_(std::make_unique<TMapWatch>(*this)) {
  setMouseTracking(true);
}

TSWMapWidget::~TSWMapWidget() { SetMap(nullptr); }

void TSWMapWidget::SetMap(TSWMap* map) {
  if (map_ != nullptr) map_->SetHost(nullptr);
  map_ = map;
  if (map == nullptr) return;
  watch_->FreeNotification(map);
  map->SetHost(this);
  update();
}

void TSWMapWidget::InvalidateRect(const TRect& rect) { update(ToQRect(rect)); }

void TSWMapWidget::InvalidateAll() { update(); }

void TSWMapWidget::SetControlSize(int width, int height) { setFixedSize(width, height); }

void TSWMapWidget::paintEvent(QPaintEvent* event) {
  if (map_ == nullptr) return;
  QPainter painter(this);
  painter.setClipRegion(event->region());
  TQtCanvas canvas(painter);
  map_->Paint(canvas);
}

void TSWMapWidget::mouseMoveEvent(QMouseEvent* event) {
  if (map_ == nullptr) return;
  const QPoint at = event->position().toPoint();
  map_->MouseMove(at.x(), at.y());
}

// The control acts on releases; taking the press keeps it from the scroll area behind.
void TSWMapWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }

void TSWMapWidget::mouseReleaseEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = EngineButton(event->button());
  if (map_ == nullptr || !button) return;
  const QPoint at = event->position().toPoint();
  map_->MouseUp(*button, at.x(), at.y(), ShiftStateOf(*event));
}
