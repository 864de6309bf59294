// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT

// Starts programs on the current X display, one after the other and taking
// turns, and for each run measures:
//  - the time from just before exec until the X server maps the program's
//    first top-level window (MapNotify on the root window, the window's
//    _NET_WM_PID telling whose it is), and that window's size;
//  - once the program has sat idle for a while after that: its resident
//    memory (VmRSS and its parts) and the CPU time all its threads used.
// Then it ends the program with SIGTERM. Every program is measured the same
// way; the first run of each is a warm-up and is not counted.
//
//   startup_probe RUNS SETTLE_MS NAME=PROGRAM [NAME=PROGRAM...]
//
// Prints one "RESULT <name>.<figure> <value>" line per median figure, and
// notes starting with '#'.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

extern char **environ;

namespace {

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "startup_probe: %s\n", what.c_str());
    std::exit(1);
}

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

void sleepMs(int ms)
{
    const timespec ts{ms / 1000, long(ms % 1000) * 1000000L};
    nanosleep(&ts, nullptr);
}

// A "Name:   1234 kB" line of /proc/PID/status.
long statusKb(pid_t pid, const std::string &field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ':', 0) == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    fail("no " + field + " for process " + std::to_string(pid));
}

// CPU time of every thread so far, from the scheduler's nanosecond account.
double cpuMs(pid_t pid)
{
    double total = 0;
    for (const auto &task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::ifstream schedstat(task.path() / "schedstat");
        double ns = 0;
        schedstat >> ns;
        total += ns / 1e6;
    }
    return total;
}

struct Program {
    std::string name;
    std::string path;
};

struct Sample {
    double mappedMs;
    double width, height;
    double rssKb, anonKb, fileKb, shmemKb;
    double cpuMs;
    double threads;
};

class Display
{
public:
    Display()
    {
        int screenNumber = 0;
        c_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(c_))
            fail("cannot connect to the X display (is DISPLAY set?)");
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c_));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&it);
        root_ = it.data->root;
        // Top-level windows are children of the root: their MapNotify comes
        // to whoever selected SubstructureNotify there.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, sizeof name - 1, name), nullptr), &std::free);
        if (!atom)
            fail("cannot intern _NET_WM_PID");
        pidAtom_ = atom->atom;
        xcb_flush(c_);
    }
    ~Display() { xcb_disconnect(c_); }
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c_))
            std::free(event);
    }

    struct Mapped {
        double ms; // from `start`
        xcb_window_t window;
    };

    // Waits until a top-level window of `pid` is mapped.
    Mapped waitForWindow(pid_t pid, double start)
    {
        const int fd = xcb_get_file_descriptor(c_);
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(c_)) {
                const double at = nowMs();
                xcb_window_t ours = XCB_NONE;
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                    if (!map->override_redirect && windowPid(map->window) == uint32_t(pid))
                        ours = map->window;
                }
                std::free(event);
                if (ours != XCB_NONE)
                    return {at - start, ours};
            }
            if (xcb_connection_has_error(c_))
                fail("lost the X display");
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid)
                fail("the program ended before showing a window");
            if (nowMs() - start > 10000) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                fail("no window after 10 s");
            }
            pollfd wanted{fd, POLLIN, 0};
            poll(&wanted, 1, 5);
        }
    }

    std::pair<int, int> size(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> reply(
            xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window), nullptr), &std::free);
        return reply ? std::pair<int, int>(reply->width, reply->height) : std::pair<int, int>(0, 0);
    }

private:
    uint32_t windowPid(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr),
            &std::free);
        if (!reply || xcb_get_property_value_length(reply.get()) != 4)
            return 0;
        return *static_cast<uint32_t *>(xcb_get_property_value(reply.get()));
    }

    xcb_connection_t *c_;
    xcb_window_t root_;
    xcb_atom_t pidAtom_;
};

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    for (int waited = 0; waitpid(pid, &status, WNOHANG) != pid; waited += 5) {
        if (waited > 5000) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            fail("the program ignored SIGTERM");
        }
        sleepMs(5);
    }
}

Sample run(Display &display, const Program &program, int settleMs)
{
    display.drain();
    std::string path = program.path;
    char *argv[] = {path.data(), nullptr};
    const double start = nowMs();
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ))
        fail("cannot start " + path + ": " + std::strerror(error));

    Sample sample{};
    const Display::Mapped mapped = display.waitForWindow(pid, start);
    sample.mappedMs = mapped.ms;
    const auto [width, height] = display.size(mapped.window);
    sample.width = width;
    sample.height = height;
    sleepMs(settleMs);
    sample.rssKb = double(statusKb(pid, "VmRSS"));
    sample.anonKb = double(statusKb(pid, "RssAnon"));
    sample.fileKb = double(statusKb(pid, "RssFile"));
    sample.shmemKb = double(statusKb(pid, "RssShmem"));
    sample.threads = double(statusKb(pid, "Threads"));
    sample.cpuMs = cpuMs(pid);
    stop(pid);
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        fail("usage: startup_probe RUNS SETTLE_MS NAME=PROGRAM [NAME=PROGRAM...]");
    const int runs = std::atoi(argv[1]);
    const int settleMs = std::atoi(argv[2]);
    if (runs < 1 || settleMs < 0)
        fail("RUNS must be at least 1 and SETTLE_MS not negative");
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t eq = arg.find('=');
        if (eq == std::string::npos || eq == 0)
            fail("expected NAME=PROGRAM, got " + arg);
        programs.push_back({arg.substr(0, eq), arg.substr(eq + 1)});
    }

    Display display;
    for (const Program &program : programs)
        run(display, program, settleMs); // warm-up: page cache, font cache

    // Taking turns, and in alternating order (ABBA...), so that neither
    // program always runs right after the other.
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int round = 0; round < runs; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t i = round % 2 ? programs.size() - 1 - k : k;
            samples[i].push_back(run(display, programs[i], settleMs));
        }
    }

    std::printf("# %d runs of each, taking turns; figures are medians. mapped: exec to MapNotify of the\n"
                "# program's top-level window; the rest %d ms after that, the event loop idle.\n",
                runs, settleMs);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const auto figure = [&](const char *name, double Sample::*field) {
            std::vector<double> values;
            for (const Sample &sample : samples[i])
                values.push_back(sample.*field);
            std::printf("RESULT %s.%s %.3f\n", programs[i].name.c_str(), name, median(values));
            return values;
        };
        std::vector<double> mapped = figure("mapped_ms", &Sample::mappedMs);
        std::sort(mapped.begin(), mapped.end());
        std::printf("RESULT %s.mapped_ms_min %.3f\nRESULT %s.mapped_ms_max %.3f\n", programs[i].name.c_str(),
                    mapped.front(), programs[i].name.c_str(), mapped.back());
        figure("rss_kb", &Sample::rssKb);
        figure("rss_anon_kb", &Sample::anonKb);
        figure("rss_file_kb", &Sample::fileKb);
        figure("rss_shmem_kb", &Sample::shmemKb);
        figure("cpu_ms", &Sample::cpuMs);
        figure("threads", &Sample::threads);
        figure("width", &Sample::width);
        figure("height", &Sample::height);
        std::ostringstream all;
        for (const Sample &sample : samples[i])
            all << ' ' << sample.mappedMs;
        std::printf("# %s mapped_ms:%s\n", programs[i].name.c_str(), all.str().c_str());
    }
    return 0;
}
