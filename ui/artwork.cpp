// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QResource>

#include <cstdio>
#include <string>

namespace {

// The pixels of a PPM ("P6", RGB) or PAM ("P7", RGB_ALPHA) resource.
QImage Pixels(const QString& path)
{
    // Shares the resource's own bytes unless they had to be uncompressed.
    auto* bytes = new QByteArray(QResource(path).uncompressedData());
    const std::string head = bytes->left(96).toStdString();
    int width = 0, height = 0, start = 0, depth = 0;
    if (std::sscanf(head.c_str(), "P6 %d %d 255%n", &width, &height, &start) == 2 && start)
        depth = 3;
    else if (std::sscanf(head.c_str(),
                         "P7 WIDTH %d HEIGHT %d DEPTH 4 MAXVAL 255 TUPLTYPE RGB_ALPHA ENDHDR%n",
                         &width, &height, &start) == 2 &&
             start)
        depth = 4;
    ++start;  // the one white space before the pixels
    if (!depth || bytes->size() < start + qsizetype(depth) * width * height) {
        delete bytes;
        return {};
    }
    const uchar* pixels = reinterpret_cast<const uchar*>(bytes->constData()) + start;
    const QImage shared(
        pixels, width, height, depth * width,
        depth == 3 ? QImage::Format_RGB888 : QImage::Format_RGBA8888,
        [](void* data) { delete static_cast<QByteArray*>(data); }, bytes);
    // Qt reads pixels a word at a time; where they do not start on a word,
    // they are copied once.
    return reinterpret_cast<quintptr>(pixels) % 4 ? shared.copy() : shared;
}

}  // namespace

QImage BackgroundPicture()
{
    return Pixels(QStringLiteral(":/art/background.ppm"));
}

QIcon WindowIcon()
{
    QIcon icon;
    const QDir images(QStringLiteral(":/window-icon"));
    for (const QString& name : images.entryList())
        icon.addPixmap(QPixmap::fromImage(Pixels(images.filePath(name))));
    return icon;
}

QIcon ChooserIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x7a, 0x5c, 0x12));
    painter.setBrush(QColor(0xe8, 0xb9, 0x3a));
    painter.drawRect(1, 3, 6, 2);   // the tab
    painter.drawRect(1, 5, 13, 9);  // the folder
    painter.setBrush(QColor(0xf7, 0xd8, 0x6e));
    painter.drawPolygon(QPolygon({QPoint(3, 8), QPoint(15, 8), QPoint(13, 14), QPoint(1, 14)}));
    return QIcon(pixmap);
}
