// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "slot_selector.h"

#include <QCompleter>
#include <QLineEdit>
#include <QWheelEvent>

namespace {

// Stands in for the completer that QComboBox would build for every field,
// only to be removed again; one serves all selectors.
QCompleter& PlaceholderCompleter()
{
    static QCompleter* completer = new QCompleter;
    return *completer;
}

}  // namespace

SlotSelector::SlotSelector(QWidget* parent) : QComboBox(parent)
{
    // Handing the combo box its field directly makes it editable without
    // building the drop-down list before anyone opens it, and a field that
    // already has a completer keeps the combo box from making its own, whose
    // inline completion would turn typing into a pick. This one has nothing
    // to complete from.
    auto* field = new QLineEdit(this);
    field->setCompleter(&PlaceholderCompleter());
    setLineEdit(field);

    // A plain editable combo box adds typed text to its list on Enter, and
    // selects a matching entry when the field loses focus; here typed text
    // is never a pick.
    setInsertPolicy(QComboBox::NoInsert);
    // Nothing is selected until the user picks. A combo box with a
    // placeholder leaves a list given to it unselected, where it would
    // otherwise select the first entry and lay its field out twice more.
    // (An editable one never shows the placeholder.)
    setPlaceholderText(QStringLiteral(" "));
    disconnect(field, SIGNAL(editingFinished()), this, nullptr);
    connect(field, &QLineEdit::textEdited, this, &SlotSelector::dropSelectionKeepingText);
}

void SlotSelector::setFieldText(const QString& text)
{
    fieldText_ = text;
    setEditText(text);
    // The slot, for screen readers, on the selector and on its field (which
    // is what gets the focus). Linux reads the selector's name from its text.
    setAccessibleName(text);
    setAccessibleDescription(text);
    lineEdit()->setAccessibleName(text);
    lineEdit()->setAccessibleDescription(text);
}

void SlotSelector::dropSelectionKeepingText()
{
    if (currentIndex() < 0)
        return;
    // Leaving the index clears the field, so put the user's text back.
    QLineEdit* field = lineEdit();
    const QString text = field->text();
    const int cursor = field->cursorPosition();
    setCurrentIndex(-1);
    field->setText(text);
    field->setCursorPosition(cursor);
}

void SlotSelector::wheelEvent(QWheelEvent* event)
{
    // Scrolling over a selector would pick an entry without a look at the list.
    event->ignore();
}
