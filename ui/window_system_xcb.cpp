// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_system.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

// A window manager answers at once; one that has not within this time
// never will.
constexpr std::chrono::milliseconds kFrameWait{250};
constexpr std::chrono::milliseconds kFramePoll{2};

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The values of a 32-bit property, if it has `count` of them.
const std::uint32_t* Values(const Reply<xcb_get_property_reply_t>& reply, int count)
{
    return reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 4 * count
               ? static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()))
               : nullptr;
}

Reply<xcb_get_property_reply_t> Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name,
                                         xcb_atom_t type)
{
    return {xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, 1024), nullptr),
            &std::free};
}

}  // namespace

void PreferWindowSystem()
{
    // A Wayland desktop with an X server beside it (Xwayland) would get
    // Wayland, where a program cannot place its window or its message boxes
    // and Qt draws its own title bar, with buttons the window does not want.
    // X11 first there; Wayland where there is no X server.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

std::optional<QMargins> FrameFromWindowManager(QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return std::nullopt;
    const xcb_window_t id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");

    // Only a window manager that says it answers is asked.
    const Reply<xcb_get_property_reply_t> supported =
        Property(c, root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    const int count = supported ? xcb_get_property_value_length(supported.get()) / 4 : 0;
    const std::uint32_t* atoms = Values(supported, count);
    if (!atoms || std::find(atoms, atoms + count, request) == atoms + count)
        return std::nullopt;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);

    const auto giveUp = std::chrono::steady_clock::now() + kFrameWait;
    do {
        const Reply<xcb_get_property_reply_t> reply = Property(c, id, extents, XCB_ATOM_CARDINAL);
        if (const std::uint32_t* v = Values(reply, 4)) {  // left, right, top, bottom
            // In the screen's pixels; the window is laid out in Qt's.
            const qreal ratio = window.devicePixelRatioF();
            const auto logical = [ratio](std::uint32_t pixels) { return qRound(pixels / ratio); };
            return QMargins(logical(v[0]), logical(v[2]), logical(v[1]), logical(v[3]));
        }
        std::this_thread::sleep_for(kFramePoll);
    } while (std::chrono::steady_clock::now() < giveUp);
    return std::nullopt;
}
