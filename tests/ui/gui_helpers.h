// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving real widgets the way a user does, and answering real boxes.

#include <QMessageBox>
#include <QTimer>

struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    bool plain;  // shown as it stands, never read as markup
    bool whole;  // every glyph of it on the screen, however long
};

// Clicks OK on every modal message box as soon as it is up, and keeps what
// it saw. Anything else that turns up modal is closed, so that an
// unexpected window cannot hang a test.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer();
    QList<ShownBox> boxes;

private:
    void poll();
    QTimer timer_;
};

// Selects all of the field and types `text` over it, key by key, whatever
// its script.
void TypeOver(QWidget* widget, const QString& text);
