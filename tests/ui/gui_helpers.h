// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving real widgets the way a user does, and answering real boxes.

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
    bool plain;  // shown as it stands, never read as markup
    bool whole;  // every line of it on the screen, however long
};

// Clicks OK on every modal message box as soon as it is up, and keeps what
// it saw. Anything else that turns up modal is closed and counted, so an
// unexpected window fails a test instead of hanging it.
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

// Opens the list from the keyboard and clicks entry `index` with the mouse.
bool PickWithMouse(QComboBox* combo, int index);
// Types `text` key by key, whatever its script.
void TypeText(QWidget* widget, const QString& text);
// Selects all of the field and types `text` over it.
void TypeOver(QWidget* widget, const QString& text);
