#pragma once
// The optional tiled background of the main window: "WallPaper.jpg" (decoded with
// libjpeg) or else "WallPaper.bmp", both beside the program. Missing or unreadable
// pictures give a null image and no message.

#include <QImage>

#include <string>

constexpr const char *kWallPaperJpegName = "WallPaper.jpg";
constexpr const char *kWallPaperBitmapName = "WallPaper.bmp";

// A null image when the file cannot be opened, is not a JPEG the library can
// decode to RGB, or would need more memory than Qt's own image readers allow.
QImage DecodeJpegFile(const std::string &fileName);

// The JPEG wins when both files exist; a JPEG that cannot be decoded leaves the
// bitmap as the fallback.
QImage LoadWallPaper(const std::string &programDir);
