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
// it saw. Anything else that turns up modal is closed and counted, so an
// unexpected window fails a test instead of hanging it.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer();
    QList<ShownBox> boxes;
    int strangers = 0;
    QStringList texts() const;

private:
    void poll();
    QTimer timer_;
};

// Selects all of the field and types `text` over it, key by key, whatever
// its script.
void TypeOver(QWidget* widget, const QString& text);
