// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box.h"

#include "window_messages.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QTextLayout>

namespace {

// The height of `text` in lines of `width`, broken as a label draws it: at
// word boundaries, and anywhere in a word too long for a line.
int WrappedHeight(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return qCeil(height);
}

class Box : public QMessageBox {
public:
    Box(Icon icon, const QString& text, QWidget* parent)
        : QMessageBox(icon, QString::fromLatin1(window_messages::kApplicationTitle), text, Ok,
                      parent),
          label_(findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
    {
        setTextFormat(Qt::PlainText);
        // A selectable label breaks a word too long for a line, in every
        // style; and a path in it can be copied.
        setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

protected:
    // The box sizes itself, when shown and on every layout request, as if
    // no word broke; the lines of a name that does break get room here.
    bool event(QEvent* event) override
    {
        const bool done = QMessageBox::event(event);
        if (label_ && (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest)) {
            layout()->activate();
            const QRect room = label_->contentsRect();
            const int missing =
                WrappedHeight(label_->text(), label_->font(), room.width()) - room.height();
            if (missing > 0) {
                label_->setMinimumHeight(label_->height() + missing);
                setFixedHeight(height() + missing);
            }
        }
        return done;
    }

private:
    QLabel* label_;
};

}  // namespace

void ShowMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon)
{
    Box(icon, text, parent).exec();
}
