#pragma once

#include <QSize>
#include <QStringList>

#include <functional>

class QPainter;

// The texts `paint` draws on a page of `size` pixels at `dpi`, in the order
// it draws them: what a printout says, without reading it back from a file.
QStringList paintedTexts(QSize size, int dpi, const std::function<void(QPainter &)> &paint);
