// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wayland.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>

namespace {

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

constexpr Qt::WindowStates kGrown = Qt::WindowMaximized | Qt::WindowFullScreen;

// Hands a maximised or full-screen window back to its own size, once the
// compositor's state has been taken.
class BackToSize : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && (window->windowState() & kGrown))
            QMetaObject::invokeMethod(
                window, [window] { window->setWindowState(window->windowState() & ~kGrown); },
                Qt::QueuedConnection);
        return false;
    }
};

}  // namespace

void SurviveMaximiseOnWayland(QWidget& window)
{
    if (!OnWayland())
        return;
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Once: a box lays itself out again and again. (Found by name, as a
    // class without meta-object would match any child.)
    const QString name = QStringLiteral("backToSize");
    if (!window.findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) {
        auto* filter = new BackToSize(&window);
        filter->setObjectName(name);
        window.installEventFilter(filter);
    }
}

int WaylandTitleBarWidth(const QString& title)
{
    if (!OnWayland())
        return 0;
    // Qt's title bar centres the title in 14-pixel letters and cuts it at
    // the window icon on the left and at its three buttons on the right,
    // 77 pixels from the edge.
    constexpr int kTitlePixels = 14;
    constexpr int kButtonsWidth = 77;
    QFont font = QGuiApplication::font();
    font.setPixelSize(kTitlePixels);
    return QFontMetrics(font).horizontalAdvance(title) + 2 * kButtonsWidth;
}
