#pragma once
// JPEG pictures through libjpeg: every screen background and button face is
// decoded here; the skin painter encodes with the same module.

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes `data`; a null image and a reason in `error` when it is not a
// whole, valid JPEG.
QImage DecodeJpeg(const QByteArray& data, QString* error = nullptr);

// Encodes `image` at `quality` (1..100); empty on failure.
QByteArray EncodeJpeg(const QImage& image, int quality = 90);
