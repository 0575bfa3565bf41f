#pragma once
// An engine image (straight-alpha RGBA) as a Qt image or pixmap, converted on every call: for
// widgets that convert an image once and keep the result. Painting goes through TQtImageCache.
#include <QImage>
#include <QPixmap>

class TPngImage;

// Premultiplied ARGB, the format QPainter blends fastest; a null image for an empty one.
QImage ToQImage(const TPngImage& image);
QPixmap ToQPixmap(const TPngImage& image);
