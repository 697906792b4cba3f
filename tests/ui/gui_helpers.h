// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the real window the way a user does, and answering its boxes.

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

class QComboBox;
class QWidget;

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    bool readable;  // a screen reader finds the text through the box
};

// Answers every modal message box with a click on OK as soon as it is up,
// and keeps what it saw. Anything else that turns up modal is closed and
// counted, so an unexpected window fails the test instead of hanging it.
class BoxAnswerer : public QObject {
    Q_OBJECT
public:
    BoxAnswerer();
    QList<ShownBox> boxes;
    int strangers = 0;
    QStringList texts() const;

private:
    void poll();
    QTimer timer_;
};

// True when the accessibility tree under `widget` offers `text` as a name,
// value or description, as a screen reader would read it.
bool AccessibleTextContains(QWidget* widget, const QString& text);
// Opens the list from the keyboard and clicks entry `index` with the mouse.
bool PickWithMouse(QComboBox* combo, int index);
// Moves through the list with the arrow keys until `index` is selected.
bool PickWithKeys(QComboBox* combo, int index);
// Types `text` key by key, whatever its script.
void TypeText(QWidget* widget, const QString& text);
// Selects all of the field and types `text` as a user would.
void TypeIntoField(QComboBox* combo, const QString& text);
