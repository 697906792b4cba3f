// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QApplication>
#include <QDir>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
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

// An icon made at the pixel size asked for, whenever it is asked for, and
// not kept.
class MadeIcon : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const QPixmap picture = Make(size);
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return picture;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }

protected:
    virtual QPixmap Make(const QSize& size) const = 0;
};

// The program's icon, from the image of the size asked for or the next
// larger one, read only when asked: off screen never, on Windows in two
// sizes; X11 takes them all.
class ProgramIcon : public MadeIcon {
public:
    QIconEngine* clone() const override { return new ProgramIcon; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : Sides())
            sizes << QSize(side, side);
        return sizes;
    }

protected:
    QPixmap Make(const QSize& size) const override
    {
        const QList<int> sides = Sides();
        if (sides.isEmpty())
            return {};
        const auto fits = std::find_if(sides.begin(), sides.end(), [&](int side) {
            return side >= size.width() && side >= size.height();
        });
        const QImage image = Pixels(
            kFolder + QStringLiteral("/%1.pam").arg(fits == sides.end() ? sides.back() : *fits));
        // Made smaller where it must, never larger, as Qt's own icons.
        const bool tooLarge = image.width() > size.width() || image.height() > size.height();
        return QPixmap::fromImage(
            tooLarge ? image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation) : image);
    }

private:
    static inline const QString kFolder = QStringLiteral(":/window-icon");

    // The images are named after their sizes, as "48.pam"; smallest first.
    static QList<int> Sides()
    {
        QList<int> sides;
        for (const QString& name : QDir(kFolder).entryList())
            sides << QStringView(name).split(u'.').front().toInt();
        std::sort(sides.begin(), sides.end());
        return sides;
    }
};

// An open folder, drawn at the pixel size asked for: a 16 x 16 picture
// scaled up would be blocky at twice the size and soft at one and a half.
class FolderIcon : public MadeIcon {
public:
    QIconEngine* clone() const override { return new FolderIcon; }

protected:
    QPixmap Make(const QSize& size) const override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        const int side = std::min(size.width(), size.height());
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate((size.width() - side) / 2, (size.height() - side) / 2);
        // Points on a grid of 16, the pixels of the folder at its smallest,
        // each moved so that its outline covers whole pixels: sharp edges
        // at any size.
        const qreal scale = side / 16.0, pen = std::max(1, qRound(scale));
        const auto at = [&](qreal x, qreal y) {
            return QPointF(std::round(x * scale - pen / 2) + pen / 2,
                           std::round(y * scale - pen / 2) + pen / 2);
        };
        painter.setPen(
            QPen(QColor(0x7a, 0x5c, 0x12), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(QColor(0xe8, 0xb9, 0x3a));
        painter.drawRect(QRectF(at(1.5, 3.5), at(7.5, 5.5)));    // the tab
        painter.drawRect(QRectF(at(1.5, 5.5), at(14.5, 14.5)));  // the folder
        painter.setBrush(QColor(0xf7, 0xd8, 0x6e));
        // Its acute corners, mitred, would end in spikes.
        QPen flap = painter.pen();
        flap.setJoinStyle(Qt::BevelJoin);
        painter.setPen(flap);
        painter.drawPolygon(
            QPolygonF({at(3.5, 8.5), at(15.5, 8.5), at(13.5, 14.5), at(1.5, 14.5)}));
        return picture;
    }
};

}  // namespace

QImage BackgroundPicture()
{
    return Pixels(QStringLiteral(":/art/background.ppm"));
}

QIcon WindowIcon()
{
    return QIcon(new ProgramIcon);
}

QIcon ChooserIcon()
{
    return QIcon(new FolderIcon);
}
