#include "ui/windows/sky.h"

#include "base/wide_string.h"
#include "config/package.h"
#include "game/random_source.h"
#include "platform/canvas.h"
#include "platform/png_image.h"

namespace {

constexpr int kSunMargin = 200;
constexpr int kSunY = 40;
constexpr int kCloudBand = 80;
constexpr int kCloudTop = 30;

}  // namespace

void TSky::Render(TCanvas& canvas, int width, int height) {
  sunX_ = width - kSunMargin;
  DrawBackgroundRow(canvas, width, height);
  DrawStaticClouds(canvas, width);
  PlaceMovingClouds(width);
  canvas.DrawImage(sunX_, kSunY, package_.Image(u"sun"));
}

void TSky::PaintMovingClouds(TCanvas& canvas) {
  const TPngImage& image = MovingCloudImage();
  for (const TCloud& cloud : clouds_) canvas.DrawImage(cloud.X, cloud.Y, image);
}

TRect TSky::MoveOneCloud() {
  if (clouds_.empty()) return {};
  TCloud& cloud = clouds_[static_cast<size_t>(Draw(static_cast<int32_t>(clouds_.size())))];
  if (Draw(100) <= 10) cloud.Direction = DrawDirection();
  cloud.X += cloud.Direction;
  const TPngImage& image = MovingCloudImage();
  return Bounds(cloud.X, cloud.Y, image.Width(), image.Height());
}

int32_t TSky::Draw(int32_t n) { return n > 0 ? random_.Next(n) : 0; }

int32_t TSky::DrawDirection() { return Draw(100) < 50 ? -1 : 1; }

void TSky::DrawBackgroundRow(TCanvas& canvas, int width, int height) {
  const TPngImage& tile = package_.Image(u"background");
  if (tile.Width() <= 0) return;
  const int y = (height - tile.Height()) / 2;
  for (int x = 0; x < width; x += tile.Width()) canvas.DrawImage(x, y, tile);
}

void TSky::DrawStaticClouds(TCanvas& canvas, int width) {
  const int32_t count = Draw(6) + 1;
  for (int32_t i = 0; i < count; ++i) {
    const WideString name = u"cloud " + IntToWide(Draw(1) + 1);
    const int32_t right = Draw(width + 50);
    const int32_t x = right - Draw(50);
    const int32_t y = Draw(kCloudBand) + kCloudTop;
    canvas.DrawImage(x, y, package_.Image(name));
  }
}

void TSky::PlaceMovingClouds(int width) {
  clouds_.resize(static_cast<size_t>(Draw(4) + 1));
  for (TCloud& cloud : clouds_) {
    cloud.Y = Draw(kCloudBand) + kCloudTop;
    cloud.X = Draw(width);
    cloud.Direction = DrawDirection();
  }
}

const TPngImage& TSky::MovingCloudImage() { return package_.Image(u"cloud moving"); }
