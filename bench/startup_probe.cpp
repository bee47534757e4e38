// SPDX-License-Identifier: GPL-3.0-or-later
// Starts one program and times it until its main window is viewable on the X server, then reports
// the CPU time it used until then and its memory one second later.
//
// The main window is found by its own identity: a top-level window whose _NET_WM_PID is the
// started process and whose WM_WINDOW_ROLE is the role given, so neither another window of the
// same program (preview, splash, dialogs) nor a window of another program with the same title can
// be taken for it. The probe is told of new windows, property changes and
// visibility changes by the X server itself and checks at least every 2 ms besides, so it adds no
// polling delay and takes next to no CPU from the program it measures.
//
// usage: startup_probe <role> <program> [arguments...]
// prints: <ms until viewable> <CPU ms until then> <RSS kB> <PSS kB> (the last two 1 s later)
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    std::free(r);
    return a;
}

std::string property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name, xcb_atom_t type) {
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, 256), nullptr);
    std::string value;
    if (r && r->type != XCB_ATOM_NONE) {
        value.assign(static_cast<const char*>(xcb_get_property_value(r)),
                     static_cast<std::size_t>(xcb_get_property_value_length(r)));
    }
    std::free(r);
    return value;
}

bool viewable(xcb_connection_t* c, xcb_window_t w) {
    xcb_get_window_attributes_reply_t* r =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
    const bool yes = r && r->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(r);
    return yes;
}

// CPU time of every thread of `pid` still alive, in nanoseconds (scheduler's exact accounting).
long long cpuNanoseconds(pid_t pid) {
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    long long total = 0;
    if (DIR* d = opendir(dir.c_str())) {
        while (const dirent* e = readdir(d)) {
            if (e->d_name[0] == '.')
                continue;
            std::ifstream in(dir + "/" + e->d_name + "/schedstat");
            long long ns = 0;
            if (in >> ns)
                total += ns;
        }
        closedir(d);
    }
    return total;
}

long memoryKb(pid_t pid, const char* field) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <role> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const std::string role = argv[1];
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t roleAtom = atom(c, "WM_WINDOW_ROLE");
    const xcb_atom_t pidAtom = atom(c, "_NET_WM_PID");
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }

    std::set<xcb_window_t> unchecked;
    xcb_window_t target = XCB_WINDOW_NONE;
    auto isTarget = [&](xcb_window_t w) {
        const std::string p = property(c, w, pidAtom, XCB_ATOM_CARDINAL);
        if (p.size() != 4)
            return false;
        uint32_t owner = 0;
        std::memcpy(&owner, p.data(), 4);
        std::string r = property(c, w, roleAtom, XCB_ATOM_STRING);
        while (!r.empty() && r.back() == '\0')
            r.pop_back();
        return owner == static_cast<uint32_t>(pid) && r == role;
    };

    const Clock::time_point deadline = start + std::chrono::seconds(30);
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    bool shown = false;
    Clock::time_point shownAt;
    long long cpu = 0;
    while (!shown && Clock::now() < deadline) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const int type = e->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(e);
                if (created->parent == root) {
                    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE |
                                          XCB_EVENT_MASK_STRUCTURE_NOTIFY |
                                          XCB_EVENT_MASK_VISIBILITY_CHANGE;
                    xcb_change_window_attributes(c, created->window, XCB_CW_EVENT_MASK, &mask);
                    unchecked.insert(created->window);
                }
            } else if (type == XCB_PROPERTY_NOTIFY) {
                const auto* changed = reinterpret_cast<xcb_property_notify_event_t*>(e);
                if (changed->atom == roleAtom || changed->atom == pidAtom)
                    unchecked.insert(changed->window);
            }
            std::free(e);
        }
        // A window is looked at when it is created and when its owner or role changes.
        if (target == XCB_WINDOW_NONE) {
            for (xcb_window_t w : unchecked) {
                if (isTarget(w)) {
                    target = w;
                    break;
                }
            }
            unchecked.clear();
        }
        if (target != XCB_WINDOW_NONE && viewable(c, target)) {
            shownAt = Clock::now();
            cpu = cpuNanoseconds(pid);
            shown = true;
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before its window showed\n", argv[2]);
            return 1;
        }
        poll(&fd, 1, 2);
    }
    if (!shown) {
        std::fprintf(stderr, "no viewable window with role %s within 30 s\n", role.c_str());
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = memoryKb(pid, "Rss");
    const long pss = memoryKb(pid, "Pss");
    // STARTUP_PROBE_SMAPS=<file> keeps the program's memory map at that moment, to see where
    // the resident memory is.
    if (const char* keep = std::getenv("STARTUP_PROBE_SMAPS")) {
        std::ifstream in("/proc/" + std::to_string(pid) + "/smaps");
        std::ofstream(keep) << in.rdbuf();
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    const double ms = std::chrono::duration<double, std::milli>(shownAt - start).count();
    std::printf("%.1f %.1f %ld %ld\n", ms, cpu / 1e6, rss, pss);
    return 0;
}
