// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_helpers.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

bool TreeHasText(QAccessibleInterface* node, const QString& text, int depth)
{
    if (!node || depth > 8)
        return false;
    for (const auto kind : {QAccessible::Name, QAccessible::Value, QAccessible::Description})
        if (node->text(kind) == text)
            return true;
    for (int i = 0; i < node->childCount(); ++i)
        if (TreeHasText(node->child(i), text, depth + 1))
            return true;
    return false;
}

}  // namespace

bool AccessibleTextContains(QWidget* widget, const QString& text)
{
    return TreeHasText(QAccessible::queryAccessibleInterface(widget), text, 0);
}

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
    boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                  AccessibleTextContains(box, box->text())});
    QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        box->reject();
    // A window manager gives the activation back to the box's window; the
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

bool PickWithKeys(QComboBox* combo, int index)
{
    for (int guard = 0; guard < 40 && combo->currentIndex() != index; ++guard)
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    return combo->currentIndex() == index;
}

void TypeText(QWidget* widget, const QString& text)
{
    // QTest::keyClicks knows only ASCII keys; other characters arrive as
    // key events that carry just their text, as from a keyboard layout.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void TypeIntoField(QComboBox* combo, const QString& text)
{
    QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
    TypeText(combo, text);
}
