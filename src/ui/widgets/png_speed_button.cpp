#include "ui/widgets/png_speed_button.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "platform/button_glyph.h"
#include "ui/platform/png_qimage.h"
#include "ui/platform/qt_text.h"

namespace {

// The caption is laid out as the button draws it: no word wrap, line breaks honoured.
constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;

// A speed button's size when nobody chose one.
constexpr QSize kDefaultSize(23, 22);

}  // namespace

TPNGSpeedButton::TPNGSpeedButton(QWidget* parent) : QAbstractButton(parent) {
  // A speed button never takes the keyboard focus; it is worked with the mouse.
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  resize(kDefaultSize);
}

TPNGSpeedButton::~TPNGSpeedButton() = default;

void TPNGSpeedButton::SetDown(bool down) {
  if (groupIndex_ == 0 || down == Down()) return;
  if (!down && !allowAllUp_) return;
  setChecked(down);
  if (down) UpdateExclusive();
}

void TPNGSpeedButton::SetGroupIndex(int groupIndex) {
  if (groupIndex == groupIndex_) return;
  groupIndex_ = groupIndex;
  if (groupIndex_ == 0) setChecked(false);
  setCheckable(groupIndex_ != 0);
  UpdateExclusive();
}

void TPNGSpeedButton::SetAllowAllUp(bool allowAllUp) {
  if (allowAllUp == allowAllUp_) return;
  allowAllUp_ = allowAllUp;
  UpdateExclusive();
}

void TPNGSpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || parentWidget() == nullptr) return;
  const auto siblings = parentWidget()->findChildren<TPNGSpeedButton*>(Qt::FindDirectChildrenOnly);
  for (TPNGSpeedButton* sibling : siblings) {
    if (sibling == this || sibling->groupIndex_ != groupIndex_) continue;
    if (Down()) sibling->setChecked(false);
    sibling->allowAllUp_ = allowAllUp_;
  }
}

void TPNGSpeedButton::nextCheckState() { SetDown(!Down()); }

void TPNGSpeedButton::SetFlat(bool flat) {
  flat_ = flat;
  update();
}

void TPNGSpeedButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  update();
}

void TPNGSpeedButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  update();
}

void TPNGSpeedButton::SetCaption(const WideString& caption) {
  caption_ = caption;
  update();
}

void TPNGSpeedButton::SetImage(std::unique_ptr<TPngImage>& property, const TPngImage* image) {
  if (image == nullptr || image->Empty()) {
    property.reset();
  } else {
    if (!property) property = std::make_unique<TPngImage>();
    property->Assign(*image);
  }
  RebuildGlyph();
}

void TPNGSpeedButton::SetGlyph(const TPngImage* glyph) { SetImage(glyph_, glyph); }
void TPNGSpeedButton::SetCombine1(const TPngImage* image) { SetImage(combine1_, image); }
void TPNGSpeedButton::SetCombine2(const TPngImage* image) { SetImage(combine2_, image); }
void TPNGSpeedButton::SetCombineWith(const TPngImage* image) { SetImage(combineWith_, image); }

void TPNGSpeedButton::SetCombinedSpacing(int spacing) {
  combinedSpacing_ = spacing;
  RebuildGlyph();
}

void TPNGSpeedButton::SetGrayWhenDisabled(bool gray) {
  grayWhenDisabled_ = gray;
  update();
}

void TPNGSpeedButton::SetClockGray(int percent) {
  percent = std::clamp(percent, -1, 100);
  if (percent == clockGray_) return;
  clockGray_ = percent;
  RebuildGlyph();
}

void TPNGSpeedButton::SetClockGrayClockWise(bool clockwise) {
  if (clockwise == clockGrayClockWise_) return;
  clockGrayClockWise_ = clockwise;
  RebuildGlyph();
}

void TPNGSpeedButton::SetClockGrayInverse(bool inverse) {
  if (inverse == clockGrayInverse_) return;
  clockGrayInverse_ = inverse;
  RebuildGlyph();
}

void TPNGSpeedButton::Loaded() { RebuildGlyph(); }

void TPNGSpeedButton::RebuildGlyph() {
  TButtonGlyphInputs inputs;
  inputs.Glyph = glyph_.get();
  inputs.Combine1 = combine1_.get();
  inputs.Combine2 = combine2_.get();
  inputs.CombineWith = combineWith_.get();
  inputs.CombinedSpacing = combinedSpacing_;
  inputs.ClockGray = clockGray_;
  inputs.ClockGrayClockWise = clockGrayClockWise_;
  inputs.ClockGrayInverse = clockGrayInverse_;
  inputs.Enabled = isEnabled();
  inputs.GrayWhenDisabled = grayWhenDisabled_;
  ComposeButtonGlyph(inputs, drawGlyph_);
  drawImage_ = ToQImage(drawGlyph_);
  update();
}

void TPNGSpeedButton::changeEvent(QEvent* event) {
  QAbstractButton::changeEvent(event);
  if (event->type() == QEvent::EnabledChange && grayWhenDisabled_) RebuildGlyph();
}

QSize TPNGSpeedButton::sizeHint() const { return kDefaultSize; }

QSize TPNGSpeedButton::CaptionExtent() const {
  if (caption_.empty()) return {0, 0};
  return fontMetrics().boundingRect(QRect(), kCaptionFlags, ToQString(caption_)).size();
}

TButtonLayoutResult TPNGSpeedButton::CalcButtonLayout() const {
  const QSize text = CaptionExtent();
  TButtonLayoutInputs inputs;
  inputs.ClientWidth = width();
  inputs.ClientHeight = height();
  inputs.GlyphWidth = drawImage_.width();
  inputs.GlyphHeight = drawImage_.height();
  inputs.TextWidth = text.width();
  inputs.TextHeight = text.height();
  inputs.HasCaption = !caption_.empty();
  inputs.Layout = layout_;
  inputs.Spacing = spacing_;
  inputs.Down = Down() || isDown();
  return ::CalcButtonLayout(inputs);
}

bool TPNGSpeedButton::ShowsFace() const {
  const bool hovered = underMouse() && isEnabled();
  return !flat_ || hovered || isDown() || Down();
}

void TPNGSpeedButton::PaintFace(QPainter& painter) {
  if (!ShowsFace()) return;
  QStyleOption option;
  option.initFrom(this);
  if (flat_) option.state |= QStyle::State_AutoRaise;
  if (isDown()) option.state |= QStyle::State_Sunken;
  if (Down()) option.state |= QStyle::State_On;
  if (!isDown() && !Down()) option.state |= QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, this);
}

void TPNGSpeedButton::DrawCaption(QPainter& painter, QPoint position) {
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::ButtonText));
  const QRect unbounded(position, QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  painter.drawText(unbounded, kCaptionFlags | Qt::TextDontClip, ToQString(caption_));
}

void TPNGSpeedButton::paintEvent(QPaintEvent*) {
  const TButtonLayoutResult layout = CalcButtonLayout();
  QPainter painter(this);
  PaintFace(painter);
  if (!drawImage_.isNull())
    painter.drawImage(QPoint(layout.ImageRect.Left, layout.ImageRect.Top), drawImage_);
  if (!caption_.empty()) DrawCaption(painter, QPoint(layout.CaptionPos.X, layout.CaptionPos.Y));
}
