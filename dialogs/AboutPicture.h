#pragma once
// The about box's picture: a base board with the parts cut from it.

#include <QImage>

QImage DrawAboutPicture(QSize size);
