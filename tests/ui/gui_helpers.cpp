// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_helpers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>

BoxAnswerer::BoxAnswerer()
{
    connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::poll);
    timer_.start(2);
}

QStringList BoxAnswerer::texts() const
{
    QStringList out;
    for (const ShownBox& b : boxes)
        out << b.text;
    return out;
}

void BoxAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) {
        ++strangers;
        modal->close();
        return;
    }
    // Every glyph of the text on the screen: as much ink as the whole text
    // drawn in the label's room, however long its words.
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QImage all(label->size(), QImage::Format_RGB32);
    all.fill(Qt::white);
    QPainter painter(&all);
    painter.setFont(label->font());
    painter.drawText(all.rect(), Qt::TextWrapAnywhere, box->text());
    painter.end();
    const auto ink = [](const QImage& image) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        return dark;
    };
    const int shown = ink(label->grab().toImage()), needed = ink(all);
    boxes.append(
        {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
         box->textFormat() == Qt::PlainText && label->textFormat() == Qt::PlainText,
         label->width() < box->screen()->availableGeometry().width() && shown > needed * 9 / 10});
    QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    // A window manager gives the activation back to the box's owner; the
    // offscreen platform has none.
    if (owner && !box->isVisible())
        owner->activateWindow();
}

bool PickWithMouse(QComboBox* combo, int index)
{
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitFor([&] { return view->isVisible(); }, 2000))
        return false;
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    return QTest::qWaitFor([&] { return !view->isVisible(); }, 2000) &&
           combo->currentIndex() == index;
}

void TypeText(QWidget* widget, const QString& text)
{
    // QTest::keyClick knows only ASCII keys; other characters arrive as key
    // events that carry just their text, as from a keyboard layout.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void TypeOver(QWidget* widget, const QString& text)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    TypeText(widget, text);
}
