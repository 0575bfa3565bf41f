#pragma once
// The Qt image of each engine image, converted on first use and kept, so painting never
// converts. An entry is keyed by the image's address and its object identity: an image that goes
// and a new one born at the same address get different entries. The package keeps its images
// for the whole run; whoever changes an image's pixels, or frees an image it made for a while,
// calls Forget so the next paint converts afresh and no entry outlives its use. UI thread only.
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

class TPngImage;

class TQtImageCache {
 public:
  // The program's cache, shared by every canvas and widget.
  static TQtImageCache& Shared();

  // The converted image; valid until the entry is forgotten.
  const QImage& Image(const TPngImage& image);
  void Forget(const TPngImage& image);

  // How many conversions the cache has made: one per image unless forgotten in between.
  int Conversions() const { return conversions_; }

 private:
  struct TKey {
    const TPngImage* Image;
    uint32_t Identity;
    friend bool operator==(const TKey&, const TKey&) = default;
  };
  struct TKeyHash {
    size_t operator()(const TKey& key) const;
  };
  static TKey KeyOf(const TPngImage& image);

  std::unordered_map<TKey, QImage, TKeyHash> images_;
  int conversions_ = 0;
};
