// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_scale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {

// A line edit keeps this much room around its text, inside its contents.
constexpr int kLineEditMarginX = 2;
constexpr int kLineEditMarginY = 1;

// The factor that gives `text` room in a control whose contents, at its
// design size, are `contents`: the rest of the control (frame, margins, a
// check box's box) stays as it is.
double Needed(const QWidget& control, const QRect& contents, int textWidth, int textHeight)
{
    const QSize size = control.size();
    return std::max((textWidth + size.width() - contents.width()) / double(size.width()),
                    (textHeight + size.height() - contents.height()) / double(size.height()));
}

// Text widths in each control's font, measured once each: the twelve
// selectors list the same names.
class Widths {
public:
    int operator()(const QWidget& w, const QString& text)
    {
        if (w.font() != font_) {
            font_ = w.font();
            widths_.clear();
        }
        auto known = widths_.constFind(text);
        return known != widths_.cend()
                   ? *known
                   : *widths_.insert(text, w.fontMetrics().horizontalAdvance(text));
    }

private:
    QFont font_;
    QHash<QString, int> widths_;
};

// The height of a line as a line edit lays it out and places its cursor:
// at some sizes more than the font's rounded height.
int LineHeight(const QWidget& w)
{
    return int(std::ceil(QFontMetricsF(w.font()).height())) + 1;
}

double NeededBy(const QWidget& w, Widths& width)
{
    const QStyle* style = w.style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool box = qobject_cast<const QCheckBox*>(button);
        const QRect contents = style->subElementRect(
            box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        const double needed =
            Needed(w, contents, width(w, button->text()), w.fontMetrics().height());
        // A check box asks for a little more than its text (Qt's own hint).
        return box ? std::max(needed, button->sizeHint().width() / double(w.width())) : needed;
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        int widest = width(w, combo->currentText());
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, width(w, combo->itemText(i)));
        const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo);
        return Needed(w, field, widest + 2 * kLineEditMarginX,
                      LineHeight(w) + 2 * kLineEditMarginY);
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        return Needed(w, contents, width(w, edit->text()) + 2 * kLineEditMarginX,
                      LineHeight(w) + 2 * kLineEditMarginY);
    }
    return 1;
}

}  // namespace

double DesignScale(QWidget& window)
{
    double factor = 0;
    // Fonts set by a style sheet take effect only once polished.
    window.ensurePolished();
    Widths widths;
    for (const QWidget* w : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(&window))
            factor = std::max(factor, NeededBy(*w, widths));
    return factor;
}

QSize Grown(QSize size, double factor)
{
    // Up, so that what fits exactly stays whole; but not by a rounding error
    // past what a screen has room for.
    constexpr double kRoundingError = 1e-9;
    const auto grown = [factor](int v) { return int(std::ceil(v * factor - kRoundingError)); };
    return {grown(size.width()), grown(size.height())};
}

void ScaleDesign(QWidget& window, double factor)
{
    const auto scaled = [factor](int v) { return int(std::lround(v * factor)); };
    for (QWidget* w : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect g = w->geometry();
        w->setGeometry(QRect(QPoint(scaled(g.x()), scaled(g.y())), Grown(g.size(), factor)));
    }
    window.setFixedSize(Grown(window.size(), factor));
}

void ShrinkFontToFit(QWidget& window, double factor)
{
    // Text shrinks with its font, the rest of a control does not: a step at
    // a time, each at most what the text alone would need.
    constexpr double kLargestStep = 0.95;
    constexpr double kSmallestPoints = 4;
    QFont font = window.font();
    for (double needed = DesignScale(window);
         needed > factor && font.pointSizeF() * kLargestStep >= kSmallestPoints;
         needed = DesignScale(window)) {
        font.setPointSizeF(font.pointSizeF() * std::min(kLargestStep, factor / needed));
        window.setFont(font);
    }
}
