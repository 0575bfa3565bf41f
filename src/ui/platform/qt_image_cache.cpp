#include "ui/platform/qt_image_cache.h"

#include <functional>
#include <utility>

#include "platform/png_image.h"
#include "ui/platform/png_qimage.h"

TQtImageCache& TQtImageCache::Shared() {
  static TQtImageCache cache;
  return cache;
}

const QImage& TQtImageCache::Image(const TPngImage& image) {
  const TKey key = KeyOf(image);
  if (const auto found = images_.find(key); found != images_.end()) return found->second;
  QImage converted = ToQImage(image);
  ++conversions_;
  return images_.emplace(key, std::move(converted)).first->second;
}

void TQtImageCache::Forget(const TPngImage& image) { images_.erase(KeyOf(image)); }

size_t TQtImageCache::TKeyHash::operator()(const TKey& key) const {
  return std::hash<const void*>()(key.Image) ^ key.Identity;
}

TQtImageCache::TKey TQtImageCache::KeyOf(const TPngImage& image) {
  return {&image, image.Identity()};
}
