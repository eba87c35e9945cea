// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphical_desktop.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace vorlane {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): before any thread
    return value == nullptr ? std::string() : std::string(value);
}

// Whether a server takes connections on the local socket: a path, or with a leading '\0' a
// name in Linux's abstract namespace.
bool answers(const std::string& address) {
    sockaddr_un where{};
    if (address.empty() || address.size() > sizeof where.sun_path) {
        return false;
    }
    where.sun_family = AF_UNIX;
    std::memcpy(where.sun_path, address.data(), address.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + address.size());
    const bool connected =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&where), length) == 0;
    ::close(socket);
    return connected;
}

// An X display of this machine, ":0" or ":0.1", listens on /tmp/.X11-unix/X0, and on Linux
// under the same name in the abstract namespace too. A display on another host, as ssh
// forwards it, is taken on trust.
bool xServerAnswers(const std::string& display) {
    const auto colon = display.rfind(':');
    if (colon == std::string::npos) {
        return false;
    }
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix") {
        return true;
    }
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const std::string path = "/tmp/.X11-unix/X" + number;
    return answers(path) || answers(std::string(1, '\0') + path);
}

// A Wayland compositor listens on a path, or on a name in the session's runtime folder.
bool waylandAnswers(const std::string& display) {
    if (display.empty() || display.front() == '/') {
        return answers(display);
    }
    const std::string runtime = variable("XDG_RUNTIME_DIR");
    return !runtime.empty() && answers(runtime + '/' + display);
}

// The desktops the session names, from the most particular: "ubuntu:GNOME".
bool desktopListed(const std::string& desktop) {
    std::istringstream names(variable("XDG_CURRENT_DESKTOP"));
    for (std::string name; std::getline(names, name, ':');) {
        if (name == desktop) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool graphicalDesktopAtHand() {
    // A platform that the caller names, such as the tests' offscreen one, is taken on trust.
    return !variable("QT_QPA_PLATFORM").empty() || xServerAnswers(variable("DISPLAY")) ||
           waylandAnswers(variable("WAYLAND_DISPLAY"));
}

const char* preferredPlatform() {
    // GNOME's compositor draws no frame for a Wayland window, GNOME 48 neither: Qt draws a title
    // bar of its own, on Qt 6.4 a foreign one that cuts the titles of the message boxes, on Qt 6.8
    // a copy of GNOME's. GNOME 43 attaches no Wayland box to its window. Its XWayland windows get
    // GNOME's own frame and placement on every release. Should XWayland turn the game away, Qt
    // goes on to Wayland rather than end the game.
    if (variable("QT_QPA_PLATFORM").empty() && desktopListed("GNOME") &&
        xServerAnswers(variable("DISPLAY"))) {
        return "xcb;wayland";
    }
    return nullptr;
}

}  // namespace vorlane
