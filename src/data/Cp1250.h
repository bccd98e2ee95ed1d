#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The Central European Windows code page of our data files. Bytes below 0x80
// are ASCII; the five bytes the code page leaves undefined decode to the C1
// control of the same value, so every byte survives decode + encode.
namespace cp1250 {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text); // characters outside the code page become '?'

} // namespace cp1250
