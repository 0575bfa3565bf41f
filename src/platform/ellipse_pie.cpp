#include "platform/ellipse_pie.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

namespace {

constexpr long double kTwoPi = 2 * std::numbers::pi_v<long double>;

// The direction of (dx, dy) clockwise from 12 o'clock on the screen, in [0, 2π).
long double Direction(int64_t dx, int64_t dy) {
  const long double angle = std::atan2(static_cast<long double>(dx), static_cast<long double>(-dy));
  return angle < 0 ? angle + kTwoPi : angle;
}

// numerator / denominator (denominator > 0) rounded to the nearest, halves away from zero, so
// that mirrored lines get mirrored pixels.
int64_t DivideRounded(int64_t numerator, int64_t denominator) {
  const int64_t rounded = (2 * std::abs(numerator) + denominator) / (2 * denominator);
  return numerator < 0 ? -rounded : rounded;
}

void AppendPixel(std::vector<TPoint>& chain, TPoint pixel) {
  if (chain.empty() || chain.back() != pixel) chain.push_back(pixel);
}

// The pixels of the straight line from `from` to `to`, both included: one per step along the
// longer axis, each the pixel nearest to the exact line there.
void AppendLine(std::vector<TPoint>& chain, TPoint from, TPoint to) {
  const int64_t dx = to.X - from.X;
  const int64_t dy = to.Y - from.Y;
  const int64_t steps = std::max(std::abs(dx), std::abs(dy));
  for (int64_t i = 0; i <= steps; ++i) {
    const TPoint pixel = steps == 0
                             ? from
                             : TPoint{from.X + static_cast<int>(DivideRounded(i * dx, steps)),
                                      from.Y + static_cast<int>(DivideRounded(i * dy, steps))};
    AppendPixel(chain, pixel);
  }
}

struct TBoundaryPixel {
  TPoint Pixel;
  long double Direction;
};

}  // namespace

TEllipsePie::TEllipsePie(int width, int height, TPoint firstRadial, TPoint secondRadial) {
  if (width <= 0 || height <= 0) return;
  // Doubled offsets from the centre are integers: 2x - (width - 1).
  const int64_t w = width;
  const int64_t h = height;
  auto offsetX = [&](int x) { return 2 * int64_t{x} - (w - 1); };
  auto offsetY = [&](int y) { return 2 * int64_t{y} - (h - 1); };
  // (X / w)² + (Y / h)² <= 1 with X, Y the doubled offsets and w, h the doubled semi-axes.
  auto inside = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    const int64_t X = offsetX(x);
    const int64_t Y = offsetY(y);
    return X * X * h * h + Y * Y * w * w <= w * w * h * h;
  };

  std::vector<TBoundaryPixel> arc;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (inside(x, y) &&
          (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1)))
        arc.push_back({{x, y}, Direction(offsetX(x), offsetY(y))});
  std::stable_sort(arc.begin(), arc.end(), [](const TBoundaryPixel& a, const TBoundaryPixel& b) {
    return a.Direction < b.Direction;
  });

  const long double start =
      Direction(2 * int64_t{firstRadial.X} - (w - 1), 2 * int64_t{firstRadial.Y} - (h - 1));
  const long double end =
      Direction(2 * int64_t{secondRadial.X} - (w - 1), 2 * int64_t{secondRadial.Y} - (h - 1));
  whole_ = start == end;

  // Turn the boundary so that it starts at the first pixel at or clockwise after the start
  // direction; the angles from the start then grow along it.
  const auto first = std::lower_bound(
      arc.begin(), arc.end(), start,
      [](const TBoundaryPixel& p, long double angle) { return p.Direction < angle; });
  std::rotate(arc.begin(), first, arc.end());
  const auto n = static_cast<int64_t>(arc.size());
  if (whole_) {
    for (const TBoundaryPixel& p : arc) outline_.push_back(p.Pixel);
    return;
  }

  // Positions along the boundary may step one before its start or one past its end; such a
  // position's angle from the start is its pixel's, one turn less or more.
  auto pixelAt = [&](int64_t i) { return arc[static_cast<size_t>((i % n + n) % n)].Pixel; };
  auto angleAt = [&](int64_t i) {
    const int64_t k = (i % n + n) % n;
    long double angle = arc[static_cast<size_t>(k)].Direction - start;
    if (angle < 0) angle += kTwoPi;
    return angle + kTwoPi * static_cast<long double>((i - k) / n);
  };
  long double sweep = end - start;
  if (sweep < 0) sweep += kTwoPi;
  // The arc's ends: of the two boundary pixels on either side of each ray, the nearer one
  // (the earlier on a tie).
  const int64_t from = angleAt(0) <= kTwoPi - angleAt(-1) ? 0 : -1;
  int64_t last = -1;  // the last pixel at or before the end direction
  while (last + 1 < n && angleAt(last + 1) <= sweep) ++last;
  int64_t to =
      std::abs(angleAt(last + 1) - sweep) < std::abs(angleAt(last) - sweep) ? last + 1 : last;
  to = std::clamp(to, from, from + n - 1);

  const TPoint centre{width / 2, height / 2};
  AppendLine(outline_, centre, pixelAt(from));
  for (int64_t i = from + 1; i <= to; ++i) AppendPixel(outline_, pixelAt(i));
  AppendLine(outline_, pixelAt(to), centre);
  // The chain closes on its first pixel; it is not repeated at the end.
  if (outline_.size() > 1 && outline_.back() == outline_.front()) outline_.pop_back();
}

bool TEllipsePie::Encloses(TPoint pixel) const {
  // The winding number of the closed polygon through the outline's pixel centres around the
  // pixel's centre. A pixel not on the outline never lies on an edge: edges join 8-neighbours.
  int winding = 0;
  const size_t n = outline_.size();
  for (size_t i = 0; i < n; ++i) {
    const TPoint a = outline_[i];
    const TPoint b = outline_[(i + 1) % n];
    const int64_t side =
        int64_t{b.X - a.X} * (pixel.Y - a.Y) - int64_t{pixel.X - a.X} * (b.Y - a.Y);
    if (a.Y <= pixel.Y) {
      if (b.Y > pixel.Y && side > 0) ++winding;
    } else if (b.Y <= pixel.Y && side < 0) {
      --winding;
    }
  }
  return winding != 0;
}
