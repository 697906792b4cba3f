// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>

BoxAnswerer::BoxAnswerer()
{
    connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::poll);
    timer_.start(2);
}

namespace {

int Ink(const QImage& image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    return dark;
}

}  // namespace

void BoxAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (modal && !box)
        modal->close();
    if (!box || !box->isVisible())
        return;
    // Every glyph on the screen: as much ink as the whole text drawn in the
    // label's room, however long its words.
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QImage all(label->size(), QImage::Format_RGB32);
    all.fill(Qt::white);
    QPainter(&all).drawText(all.rect(), Qt::TextWrapAnywhere, box->text());
    boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                  box->textFormat() == Qt::PlainText && label->textFormat() == Qt::PlainText,
                  label->width() < box->screen()->availableGeometry().width() &&
                      Ink(label->grab().toImage()) > Ink(all) * 9 / 10});
    QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    // A window manager gives the activation back to the box's owner; the
    // offscreen platform has none.
    if (owner)
        owner->activateWindow();
}

void TypeOver(QWidget* widget, const QString& text)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    // QTest::keyClick knows only ASCII keys; other characters arrive as key
    // events that carry just their text, as from a keyboard layout.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget,
                            c.unicode() < 0x80 ? QTest::asciiToKey(char(c.unicode()))
                                               : Qt::Key_unknown,
                            QString(c), Qt::NoModifier);
}
