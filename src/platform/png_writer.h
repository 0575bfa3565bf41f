#pragma once
// Encodes images as PNG files, so that a rendered board can be saved and looked at.
class TPngImage;
class TStream;

// Writes the image as an 8-bit RGBA PNG at the stream's position. Fails with EPngError
// carrying libpng's message (an empty image is refused that way); a failing stream's own error
// passes through.
void SavePng(const TPngImage& image, TStream& stream);
