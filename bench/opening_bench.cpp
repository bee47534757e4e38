// SPDX-License-Identifier: GPL-3.0-or-later
// The opening animation as the X server sees it: runs it once on a real X display (Xvfb) and counts,
// through the DAMAGE extension on the root window, every rectangle of the screen that was drawn
// on, and how long the drawing lasted (first to last damage). With --busy <ms>, the program's own
// thread is kept busy for that long every 10 ms, as on a loaded machine.
// usage: opening_bench [--busy <ms>]      (needs DISPLAY; see bench/opening.sh)
#include "ui/OpeningAnimation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    int busyMs = 0;
    if (argc == 3 && std::strcmp(argv[1], "--busy") == 0) {
        busyMs = std::atoi(argv[2]);
    }
    QApplication app(argc, argv);
    if (!tangram::OpeningAnimation::supported()) {
        std::fprintf(stderr, "the opening animation needs an X display\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_damage_id);
    if (!ext || !ext->present) {
        std::fprintf(stderr, "no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_damage_damage_t damage = xcb_generate_id(c);
    xcb_damage_create(c, damage, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(c);

    QTimer busy;
    if (busyMs > 0) {
        QObject::connect(&busy, &QTimer::timeout, [busyMs] {
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < busyMs) {
            }
        });
        busy.start(10);
    }

    QElapsedTimer clock;
    long rectangles = 0;
    qint64 first = -1;
    qint64 last = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            if ((e->response_type & 0x7f) == ext->first_event + XCB_DAMAGE_NOTIFY) {
                ++rectangles;
                last = clock.elapsed();
                if (first < 0) {
                    first = last;
                }
            }
            std::free(e);
        }
        // Done once the screen has been quiet for half a second.
        if (clock.elapsed() > 10000 || (last >= 0 && clock.elapsed() - last > 500)) {
            QApplication::quit();
        }
    });
    poll.start(1);
    clock.start();
    tangram::OpeningAnimation::start(QPoint(40, 700), QRect(400, 150, 691, 481));
    app.exec();
    std::printf("%ld %lld\n", rectangles, static_cast<long long>(last - first));
    xcb_disconnect(c);
    return 0;
}
