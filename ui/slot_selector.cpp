#include "slot_selector.h"

#include <QLineEdit>

SlotSelector::SlotSelector(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn typing into a pick.
    setCompleter(nullptr);

    // A plain editable combo box selects a matching entry when Enter is
    // pressed or the field loses focus; here typed text is never a pick.
    QLineEdit* field = lineEdit();
    disconnect(field, SIGNAL(returnPressed()), this, nullptr);
    disconnect(field, SIGNAL(editingFinished()), this, nullptr);
    connect(field, &QLineEdit::textEdited, this, &SlotSelector::dropSelectionKeepingText);
}

void SlotSelector::setFieldText(const QString& text)
{
    fieldText_ = text;
    setCurrentIndex(-1);
    setEditText(text);
    setAccessibleDescription(text);
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
