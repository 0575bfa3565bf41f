#include "ui/platform/png_qimage.h"

#include "platform/png_image.h"

QImage ToQImage(const TPngImage& image) {
  if (image.Empty()) return QImage();
  // A view of the engine's pixels; the conversion makes the copy Qt keeps.
  const QImage view(image.Row(0), image.Width(), image.Height(), image.Width() * 4,
                    QImage::Format_RGBA8888);
  return view.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QPixmap ToQPixmap(const TPngImage& image) { return QPixmap::fromImage(ToQImage(image)); }
