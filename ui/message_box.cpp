// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box.h"

#include "wayland.h"
#include "window_messages.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>

namespace {

bool IsSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// The marks that open or close a quoted name, in English and in the
// languages the messages may be given in.
bool IsQuote(QChar c)
{
    return c == u'"' || c == u'\u201c' || c == u'\u201d' || c == u'\u201e' || c == u'\u00ab' ||
           c == u'\u00bb';
}

// `text` with the line breaks a path may have: after a separator, or a run of
// them, once a name has begun, and nowhere else. Unicode's rules would break
// "C:\windows" after the colon, "\\server" between its backslashes, and a
// name at a space or a hyphen. A path is a quoted stretch, or else a word,
// that holds a separator; the rest of the text keeps Unicode's breaks.
QString WithPathBreaks(const QString& text)
{
    constexpr QChar kBreak(0x200b), kJoin(0x2060);  // zero width, both
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    QString result;
    result.reserve(text.size() + text.size() / 4);
    qsizetype start = 0;
    while (start < text.size()) {
        // One stretch: quoted, a word, or the spaces between.
        qsizetype end = start + 1;
        if (IsQuote(text[start])) {
            while (end < text.size() && !IsQuote(text[end]))
                ++end;
            end = std::min(end + 1, text.size());
        } else {
            const bool space = text[start].isSpace();
            while (end < text.size() && text[end].isSpace() == space && !IsQuote(text[end]))
                ++end;
        }
        const QStringView stretch = QStringView(text).sliced(start, end - start);
        result += text[start];
        if (std::any_of(stretch.begin(), stretch.end(), IsSeparator)) {
            bool named = false;
            for (qsizetype i = start + 1; i < end; ++i) {
                const QChar before = text[i - 1];
                named = named || !(IsSeparator(before) || IsQuote(before));
                breaks.setPosition(i);
                if (named && IsSeparator(before) && !IsSeparator(text[i]) && !IsQuote(text[i]))
                    result += kBreak;
                else if (breaks.isAtBoundary())
                    result += kJoin;
                // Qt breaks at any space but a no-break one.
                result += text[i] == u' ' ? QChar(QChar::Nbsp) : text[i];
            }
        } else {
            result += stretch.sliced(1);
        }
        start = end;
    }
    return result;
}

// Lays `text` out in lines of `width`, broken at word boundaries, in a path
// only after a separator, and in a word too long for a line anywhere;
// returns the lines' height.
qreal LayOut(QTextLayout& layout, int width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition({0, height});
        height += line.height();
    }
    layout.endLayout();
    return height;
}

// A message box's label, drawn so: some styles break only at word
// boundaries and cut a long name off at the box's edge.
class Wrapping : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* label = static_cast<QLabel*>(watched);
        const QRect room = label->contentsRect();
        QTextLayout layout(WithPathBreaks(label->text()), label->font());
        const qreal top = qMax<qreal>(0, (room.height() - LayOut(layout, room.width())) / 2);
        QPainter painter(label);
        painter.setPen(label->palette().color(label->foregroundRole()));
        layout.draw(&painter, QPointF(room.left(), room.top() + top));
        return true;
    }
};

class Box : public QMessageBox {
public:
    Box(Icon icon, const QString& text, QWidget* parent)
        : QMessageBox(icon,
                      QCoreApplication::translate("Form1", window_messages::kApplicationTitle),
                      text, Ok, parent),
          label_(findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
    {
        setTextFormat(Qt::PlainText);
        if (label_)
            label_->installEventFilter(new Wrapping(label_));
        // The box would be as narrow as its text and cut its title short:
        // room for the title in the title bar's font, the window icon and
        // the close button.
        const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
        const int width =
            std::max(title.horizontalAdvance(windowTitle()) +
                         4 * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this),
                     WaylandTitleBarWidth(windowTitle()));
        if (auto* grid = qobject_cast<QGridLayout*>(layout()))
            grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
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
            QTextLayout text(WithPathBreaks(label_->text()), label_->font());
            const int missing = qCeil(LayOut(text, room.width())) - room.height();
            if (missing > 0) {
                label_->setMinimumHeight(label_->height() + missing);
                setFixedHeight(height() + missing);
            }
        }
        if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest)
            SurviveMaximiseOnWayland(*this);
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
