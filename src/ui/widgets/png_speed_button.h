#pragma once
// The cooldown button: a flat speed button painting a PNG image with alpha. Its painted image
// (`DrawGlyph`) is composed from its inputs — the glyph, or up to three images combined, greyed
// while disabled or partly greyed by the recharge clock — only when one of them changes, and
// converted once for painting; a paint draws the ready image.
//
// Speed-button behaviour: with GroupIndex 0 it is a push button, down only while pressed. With a
// non-zero GroupIndex it stays down after a click and raises the other buttons of its parent in
// the same group; with AllowAllUp a click on the down button raises it. `Down` changes before
// clicked() is emitted, so a click handler reads the new state.
#include <QAbstractButton>
#include <QImage>
#include <memory>

#include "base/wide_string.h"
#include "platform/button_layout.h"
#include "platform/png_image.h"

class TPNGSpeedButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit TPNGSpeedButton(QWidget* parent = nullptr);
  ~TPNGSpeedButton() override;

  bool Down() const { return isChecked(); }
  // Ignored with GroupIndex 0; raising the down button of a group that may not be all up is
  // refused.
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int groupIndex);
  // Shared by the whole group: setting it on one button sets it on all.
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allowAllUp);
  // A flat button shows its face and frame only while hovered or down.
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  // Pixels between the image and a non-empty caption.
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

  const WideString& Caption() const { return caption_; }
  void SetCaption(const WideString& caption);

  // The images are copied; nullptr (or an empty image) empties the property, and the getters
  // then return nullptr. Each setter recomposes the painted image.
  const TPngImage* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TPngImage* glyph);
  const TPngImage* Combine1() const { return combine1_.get(); }
  void SetCombine1(const TPngImage* image);
  const TPngImage* Combine2() const { return combine2_.get(); }
  void SetCombine2(const TPngImage* image);
  const TPngImage* CombineWith() const { return combineWith_.get(); }
  void SetCombineWith(const TPngImage* image);
  int CombinedSpacing() const { return combinedSpacing_; }
  void SetCombinedSpacing(int spacing);

  // Takes effect at the next recomposition (an enabled-state change or an input change).
  bool GrayWhenDisabled() const { return grayWhenDisabled_; }
  void SetGrayWhenDisabled(bool gray);
  // -1: no clock; 0 .. 100: the recharge clock's percentage (other values are clamped to that
  // range). The clock setters ignore an unchanged value.
  int ClockGray() const { return clockGray_; }
  void SetClockGray(int percent);
  bool ClockGrayClockWise() const { return clockGrayClockWise_; }
  void SetClockGrayClockWise(bool clockwise);
  bool ClockGrayInverse() const { return clockGrayInverse_; }
  void SetClockGrayInverse(bool inverse);

  // The composed image and its painting copy, as last rebuilt.
  const TPngImage& DrawGlyph() const { return drawGlyph_; }
  const QImage& DrawImage() const { return drawImage_; }

  // The after-loading hook of the owner's creation order: composes the image.
  void Loaded();

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Recomposes on an enabled-state change while GrayWhenDisabled holds.
  void changeEvent(QEvent* event) override;
  // The group rules of a click on a toggle button.
  void nextCheckState() override;

  virtual void DrawCaption(QPainter& painter, QPoint position);
  virtual TButtonLayoutResult CalcButtonLayout() const;

 private:
  void RebuildGlyph();
  void SetImage(std::unique_ptr<TPngImage>& property, const TPngImage* image);
  // Raises the other down buttons of the group and shares AllowAllUp with them.
  void UpdateExclusive();
  bool ShowsFace() const;
  void PaintFace(QPainter& painter);
  QSize CaptionExtent() const;

  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool flat_ = false;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int spacing_ = 4;
  WideString caption_;

  std::unique_ptr<TPngImage> glyph_;
  std::unique_ptr<TPngImage> combine1_;
  std::unique_ptr<TPngImage> combine2_;
  std::unique_ptr<TPngImage> combineWith_;
  int combinedSpacing_ = 2;
  bool grayWhenDisabled_ = true;
  int clockGray_ = -1;
  bool clockGrayClockWise_ = true;
  bool clockGrayInverse_ = true;

  TPngImage drawGlyph_;
  QImage drawImage_;
};
