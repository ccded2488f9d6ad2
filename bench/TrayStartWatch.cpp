// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a tray program and times it until its icon window is mapped inside the tray: a window of the program's
// class that shows, inside a window of the tray's class. Then waits for the program to settle, reads its
// proportional memory and stops it.
// Usage: tray-start-watch TRAY_CLASS CLASS SETTLE_MS PROGRAM [ARGUMENTS...]
// Prints "MILLISECONDS PSS_KIB PRIVATE_KIB"; exits 1 when the icon does not show within 30 seconds.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The instance part of WM_CLASS, as xdotool's --classname matches it.
std::string instanceName(xcb_connection_t* c, xcb_window_t window) {
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64), nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) <= 0)
        return {};
    const char* value = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(value, strnlen(value, size_t(xcb_get_property_value_length(reply.get()))));
}

// Shows (it and every window it sits in are mapped) inside a window of the tray's class.
bool inTrayAndShown(xcb_connection_t* c, xcb_window_t window, xcb_window_t root, const std::string& tray) {
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr), &std::free);
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
        return false;
    for (;;) {
        Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr), &std::free);
        if (!tree || tree->parent == root || tree->parent == XCB_WINDOW_NONE)
            return false;
        window = tree->parent;
        if (instanceName(c, window) == tray)
            return true;
    }
}

// A figure of the process's memory map, summed over the fields named; -1 when there is none.
long rollupKib(pid_t pid, std::initializer_list<const char*> fields) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    long total = -1;
    for (std::string line; std::getline(rollup, line);)
        for (const char* field : fields)
            if (line.rfind(field, 0) == 0)
                total = std::max(total, 0L) + std::atol(line.c_str() + std::strlen(field));
    return total;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s TRAY_CLASS CLASS SETTLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string tray = argv[1];
    const std::string wanted = argv[2];
    const int settleMs = std::atoi(argv[3]);
    char** command = argv + 4;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "tray-start-watch: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // Every window the program makes starts as the root's child: heard here before the tray takes it.
    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootEvents);
    xcb_flush(c);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        std::_Exit(127);
    }
    std::vector<xcb_window_t> made;
    const auto deadline = start + std::chrono::seconds(30);
    std::optional<Clock::time_point> shown;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (!shown && Clock::now() < deadline) {
        // Events wake the check; a short period catches a parent the tray maps later, which sends none here.
        poll(&fd, 1, 2);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                made.push_back(created->window);
                const std::uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(c, created->window, XCB_CW_EVENT_MASK, &events);
            }
            std::free(event);
        }
        for (const xcb_window_t window : made) {
            if (inTrayAndShown(c, window, root, tray) && instanceName(c, window) == wanted) {
                shown = Clock::now();
                break;
            }
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "tray-start-watch: %s ended before its icon showed\n", command[0]);
            return 1;
        }
    }
    xcb_disconnect(c);
    int result = 0;
    if (shown) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        const auto ms = std::chrono::duration<double, std::milli>(*shown - start).count();
        // Beside the proportional share, the pages no other process maps: that share falls as other programs load
        // the same libraries, these do not.
        std::printf("%.1f %ld %ld\n", ms, rollupKib(pid, {"Pss:"}),
                    rollupKib(pid, {"Private_Clean:", "Private_Dirty:"}));
    } else {
        std::fprintf(stderr, "tray-start-watch: no icon of class %s in the tray\n", wanted.c_str());
        result = 1;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return result;
}
