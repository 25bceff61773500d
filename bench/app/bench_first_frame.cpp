// Figures of the real program on a display (run it under
// tests/support/with-display.sh):
//  - exec to the first settled frame, over ten starts: the screen is grabbed
//    every few milliseconds, and the frame counts once nothing changes on it
//    for half a second; its time is that of its first appearance;
//  - with --idle SECONDS: the CPU time and the wake-ups (context switches) of
//    each of the program's threads while its window stays open and idle.
//  - with --history FILE: every start finds a copy of FILE as its answer
//    history (bench_statistics PATH COUNT writes one).
// Every start has a configuration and data folder of its own.
// Usage: bench_first_frame [--runs N] [--idle SECONDS] [--history FILE] [program]

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// A cheap fingerprint of the screen: every 7th pixel of every 5th row.
std::uint64_t ScreenHash(Display *display)
{
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage *image = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    std::uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < attributes.height; y += 5)
        for (int x = 0; x < attributes.width; x += 7)
            hash = (hash ^ XGetPixel(image, x, y)) * 1099511628211ull;
    XDestroyImage(image);
    return hash;
}

pid_t Start(const std::string &program, const std::string &configHome)
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0 && std::strncmp(*e, "XDG_DATA_HOME=", 14) != 0)
            env.emplace_back(*e);
    }
    env.push_back("XDG_CONFIG_HOME=" + configHome);
    env.push_back("XDG_DATA_HOME=" + configHome + "/data");
    std::vector<char *> envp;
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program;
    char *argv[] = {path.data(), nullptr};
    pid_t pid = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0)
        pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void Stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// The answer history every start begins with; none when empty.
std::string historyFile;

std::string MakeStore()
{
    char dir[] = "/tmp/orvelle-bench-XXXXXX";
    if (!mkdtemp(dir))
        return "/tmp";
    const std::string home = dir;
    std::system(("mkdir -p " + home + "/Brandmoor " + home + "/data/Brandmoor/Orvelle").c_str());
    std::ofstream(home + "/Brandmoor/Orvelle.conf") << "[GlobalSetting]\nShowHelpOnStartup=false\n";
    if (!historyFile.empty())
        std::system(("cp '" + historyFile + "' " + home + "/data/Brandmoor/Orvelle/history.sqlite").c_str());
    return home;
}

// Seconds from exec to the first frame that then stays unchanged for 0.5 s.
double FirstSettledFrame(Display *display, const std::string &program)
{
    const std::uint64_t before = ScreenHash(display);
    const std::string home = MakeStore();
    const Clock::time_point start = Clock::now();
    const pid_t pid = Start(program, home);
    if (pid == 0)
        return -1.0;
    std::uint64_t shown = before;
    Clock::time_point shownAt = start;
    Clock::time_point firstChange {};
    int changes = 0;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        const std::uint64_t hash = ScreenHash(display);
        const Clock::time_point now = Clock::now();
        if (hash != shown) {
            if (changes++ == 0)
                firstChange = now;
            shown = hash;
            shownAt = now;
        } else if (shown != before && now - shownAt > std::chrono::milliseconds(500)) {
            break;
        }
        // Leaves the display server and the program most of the two cores.
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    Stop(pid);
    std::printf("  first change after %.3f s, %d changes\n", Seconds(firstChange - start), changes);
    std::system(("rm -rf " + home).c_str());
    // Let the window manager and the server forget the window.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return Seconds(shownAt - start);
}

struct ThreadFigures {
    std::string name;
    long long ticks = 0;    // utime + stime, clock ticks
    long long switches = 0; // voluntary + involuntary
};

std::map<std::string, ThreadFigures> ThreadsOf(pid_t pid)
{
    std::map<std::string, ThreadFigures> threads;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(taskDir.c_str());
    if (!dir)
        return threads;
    while (dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string base = taskDir + "/" + entry->d_name;
        ThreadFigures t;
        std::getline(std::ifstream(base + "/comm"), t.name);
        std::string stat;
        std::getline(std::ifstream(base + "/stat"), stat);
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::string field;
        for (int i = 3; i <= 15 && fields >> field; ++i) {
            if (i == 14 || i == 15)
                t.ticks += std::atoll(field.c_str());
        }
        std::ifstream status(base + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.find("ctxt_switches:") != std::string::npos)
                t.switches += std::atoll(line.substr(line.find(':') + 1).c_str());
        }
        threads[std::string(entry->d_name) + " " + t.name] = t;
    }
    closedir(dir);
    return threads;
}

void IdleFigures(const std::string &program, int seconds)
{
    const std::string home = MakeStore();
    const pid_t pid = Start(program, home);
    std::this_thread::sleep_for(std::chrono::seconds(5)); // started and settled
    const auto before = ThreadsOf(pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const auto after = ThreadsOf(pid);
    long long ticks = 0, switches = 0;
    std::printf("idle %d s, per thread: wake-ups/s, CPU %%\n", seconds);
    for (const auto &[key, end] : after) {
        const auto it = before.find(key);
        if (it == before.end())
            continue;
        const long long dTicks = end.ticks - it->second.ticks;
        const long long dSwitches = end.switches - it->second.switches;
        ticks += dTicks;
        switches += dSwitches;
        std::printf("  %-24s %8.2f %8.3f\n", key.c_str(), double(dSwitches) / seconds,
                    100.0 * dTicks / sysconf(_SC_CLK_TCK) / seconds);
    }
    std::printf("idle total: %.2f wake-ups/s, %.3f %% of a core\n", double(switches) / seconds,
                100.0 * ticks / sysconf(_SC_CLK_TCK) / seconds);
    Stop(pid);
    std::system(("rm -rf " + home).c_str());
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 10;
    int idleSeconds = 0;
    std::string program = ORVELLE_BINARY;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (arg == "--idle" && i + 1 < argc)
            idleSeconds = std::atoi(argv[++i]);
        else if (arg == "--history" && i + 1 < argc)
            historyFile = argv[++i];
        else
            program = arg;
    }
    if (idleSeconds > 0) {
        IdleFigures(program, idleSeconds);
        return 0;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display: run under tests/support/with-display.sh\n");
        return 2;
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double t = FirstSettledFrame(display, program);
        std::printf("start %d: %.3f s\n", i + 1, t);
        std::fflush(stdout);
        times.push_back(t);
    }
    std::sort(times.begin(), times.end());
    std::printf("exec to settled first frame over %d starts: median %.3f s, min %.3f s, max %.3f s\n", runs,
                times[times.size() / 2], times.front(), times.back());
    XCloseDisplay(display);
    return 0;
}
