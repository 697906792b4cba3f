// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A menu slot's picture selector: an editable combo box in which only a pick
// from the list, by mouse or by arrow key, is a selection. Whatever is typed
// into the field is just text and leaves the selector with no selection.

#include <QComboBox>
#include <QString>

class SlotSelector : public QComboBox {
    Q_OBJECT
    // The field's text at start, shown with nothing selected; it also tells a
    // screen reader which slot this is, whatever the field shows later.
    Q_PROPERTY(QString fieldText READ fieldText WRITE setFieldText)

public:
    explicit SlotSelector(QWidget* parent = nullptr);

    QString fieldText() const { return fieldText_; }
    void setFieldText(const QString& text);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void dropSelectionKeepingText();

    QString fieldText_;
};
