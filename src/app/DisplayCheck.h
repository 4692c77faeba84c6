#pragma once

#include <QByteArray>
#include <QString>

// Whether the windowing system the program would start on has a display to
// show its windows on, decided from the environment alone: the platform the
// toolkit was told to use (QT_QPA_PLATFORM, empty for its default) and the X11
// and Wayland display names (DISPLAY, WAYLAND_DISPLAY). Platforms that need
// no display (offscreen, vnc and the like) always have one. Does not try to
// connect: a named display that is not there is caught when the toolkit
// starts (see Startup.cpp).
bool hasDisplay(const QByteArray& platform, const QByteArray& x11Display,
                const QByteArray& waylandDisplay);

// The one line said when there is no display: that a graphical session is
// needed and how to start the program under a virtual one.
QString noDisplayMessage(const QString& program);
