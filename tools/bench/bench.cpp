// Measures plumaro.exe against the floor programs, alternating them in one
// Wine session, at 100 % and at 200 %: start to the first window painted,
// private memory after start, click to counter, solving click to the result
// window; and CPU while idle. Prints a table of medians for each scale and
// writes the same as JSON.
//   bench.exe OUT.json RUNS MACHINE DATE [GAME.exe [DPI...]]
// The scales are 96 and 192 dpi unless others are named.
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "board_player.h"
#include "floor_resources.h"
#include "program_driver.h"
#include "solver.h"

using namespace plumaro::testing;
using Clock = std::chrono::steady_clock;

namespace {

// Every sample, by measure and then by program.
using Samples = std::map<std::string, std::map<std::string, std::vector<double>>>;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Checks again and again, giving up the processor in between; false on timeout.
template <typename Condition> bool pollUntil(Condition condition, bool spin = false) {
    const auto deadline = Clock::now() + 10s;
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        Sleep(spin ? 0 : 1);
    }
    return true;
}

HWND windowOfClass(const RunningProgram &program, const std::wstring &className) {
    for (HWND window : program.windows()) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (className == name)
            return window;
    }
    return nullptr;
}

double megabytes(std::size_t bytes) { return static_cast<double>(bytes) / (1024 * 1024); }

// CPU time all threads of the process have used, in milliseconds. Taken from
// the system's process list: Wine's GetProcessTimes reports no CPU time for
// other processes.
double cpuMilliseconds(DWORD processId) {
    std::vector<BYTE> buffer(1 << 20);
    ULONG needed = 0;
    if (NtQuerySystemInformation(SystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) !=
        0)
        return -1;
    for (size_t at = 0;;) {
        const auto *process = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION *>(buffer.data() + at);
        if (reinterpret_cast<ULONG_PTR>(process->UniqueProcessId) == processId) {
            const auto *threads = reinterpret_cast<const SYSTEM_THREAD_INFORMATION *>(process + 1);
            double units = 0; // of 100 ns: kernel time, then user time
            for (ULONG i = 0; i < process->NumberOfThreads; ++i)
                units += static_cast<double>(threads[i].Reserved1[0].QuadPart + threads[i].Reserved1[1].QuadPart);
            return units / 10000;
        }
        if (!process->NextEntryOffset)
            return -1;
        at += process->NextEntryOffset;
    }
}

// Starts a floor program and measures its start and memory; the one with
// sound also opens its blank dialog with a click.
void runFloor(const std::string &name, Samples &samples, bool withDialog) {
    const auto started = Clock::now();
    RunningProgram program(buildFolder() / (L"bench_" + std::wstring(name.begin(), name.end()) + L".exe"));
    HWND window = nullptr;
    if (!pollUntil([&] { return painted(window = windowOfClass(program, kFloorClassName)); }))
        throw std::runtime_error(name + ": no window painted");
    samples["start"][name].push_back(millisecondsSince(started));
    settle(1500ms);
    samples["memory"][name].push_back(megabytes(program.privateMemory()));
    if (!withDialog)
        return;

    activate(window);
    const RECT client = clientRectOnScreen(window);
    moveMouseTo({(client.left + client.right) / 2, (client.top + client.bottom) / 2});
    const auto clicked = Clock::now();
    clickWithoutWaiting();
    HWND dialog = nullptr;
    if (!pollUntil([&] { return painted(dialog = windowOfClass(program, L"#32770")); }))
        throw std::runtime_error(name + ": no dialog painted");
    samples["dialog"][name].push_back(millisecondsSince(clicked));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    settle(100ms);
}

// Starts the game, measures its start and memory, then solves puzzle 1,
// timing every click to the counter and the last one to the result window.
void runGame(Samples &samples, const std::filesystem::path &game, const solver::Clicks &solution) {
    const auto started = Clock::now();
    BoardPlayer player(game, false);
    if (!pollUntil([&] { return painted(player.board()); }))
        throw std::runtime_error("plumaro: no board painted");
    samples["start"]["plumaro"].push_back(millisecondsSince(started));
    settle(1500ms);
    samples["memory"]["plumaro"].push_back(megabytes(player.program().privateMemory()));

    player.choosePuzzle(1);
    for (size_t i = 0; i < solution.size(); ++i) {
        moveMouseTo(player.slotCentre(solution[i]));
        const std::wstring before = player.moves();
        const auto clicked = Clock::now();
        clickWithoutWaiting();
        if (i + 1 < solution.size()) {
            if (!pollUntil([&] { return player.moves() != before; }, true))
                throw std::runtime_error("plumaro: the counter did not change");
            samples["counter"]["plumaro"].push_back(millisecondsSince(clicked));
        } else {
            if (!pollUntil([&] { return painted(player.resultWindow()); }))
                throw std::runtime_error("plumaro: no result window painted");
            samples["dialog"]["plumaro"].push_back(millisecondsSince(clicked));
        }
    }
    player.readAndCloseResult(VK_RETURN);
}

// The game in the middle of a puzzle and the floor with sound, side by side,
// left alone for ten seconds.
void measureIdle(Samples &samples, const std::filesystem::path &game, const solver::Clicks &solution) {
    RunningProgram floor(buildFolder() / L"bench_floor_sound.exe");
    BoardPlayer player(game);
    if (!pollUntil([&] { return painted(windowOfClass(floor, kFloorClassName)) && painted(player.board()); }))
        throw std::runtime_error("idle: no window painted");
    player.choosePuzzle(1);
    player.clickSlot(solution.front());
    moveMouseTo(player.backgroundPoint());
    settle(1s);
    const double gameBefore = cpuMilliseconds(player.program().processId());
    const double floorBefore = cpuMilliseconds(floor.processId());
    samples["cpu_before_idle"]["plumaro"].push_back(gameBefore);
    Sleep(10000);
    samples["idle"]["plumaro"].push_back(cpuMilliseconds(player.program().processId()) - gameBefore);
    samples["idle"]["floor_sound"].push_back(cpuMilliseconds(floor.processId()) - floorBefore);
}

struct Stats {
    double median, min, max;
    size_t count;
};

Stats statsOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back(), n};
}

struct Measure {
    const char *key;
    const char *title;
    const char *unit;
    const char *reference; // the program the others are compared with, or nullptr
    bool asDifference;     // compared as a difference rather than a ratio
};

constexpr Measure kMeasures[] = {
    {"start", "start to window painted", "ms", "floor_sound", false},
    {"memory", "private memory 1.5 s after start", "MB", "floor_sound", true},
    {"counter", "click on a bird to counter", "ms", nullptr, false},
    {"dialog", "click to dialog painted (floor_sound: blank dialog, plumaro: result)", "ms", "floor_sound", false},
    {"idle", "CPU time over 10 s idle", "ms", nullptr, false},
    {"cpu_before_idle", "CPU time used before idling (shows the CPU reading works)", "ms", nullptr, false},
};

// The samples of each scale, by its dpi.
using SamplesByScale = std::map<UINT, Samples>;

void report(const SamplesByScale &scales, const std::string &game, const std::string &machine,
            const std::string &date, int runs, const std::wstring &jsonPath) {
    std::string json = "{\n  \"game\": \"" + game + "\",\n  \"machine\": \"" + machine + "\",\n  \"date\": \"" + date +
                       "\",\n  \"runs\": " + std::to_string(runs) + ",\n  \"measures\": [";
    std::printf("%s against the floor programs: %d alternating runs, %s, %s\n", game.c_str(), runs, date.c_str(),
                machine.c_str());
    const char *separator = "";
    for (const auto &[dpi, samples] : scales) {
        std::printf("\nat %u dpi (%u %%)\n%-12s %6s %9s %9s %9s  %s\n", dpi, dpi * 100 / 96, "program", "n", "median",
                    "min", "max", "vs floor_sound");
        for (const Measure &measure : kMeasures) {
            const auto found = samples.find(measure.key);
            if (found == samples.end())
                continue;
            std::printf("%s (%s)\n", measure.title, measure.unit);
            const auto &byProgram = found->second;
            double reference = 0;
            if (measure.reference && byProgram.count(measure.reference))
                reference = statsOf(byProgram.at(measure.reference)).median;
            for (const char *name : {"floor", "floor_sound", "plumaro"}) {
                if (!byProgram.count(name))
                    continue;
                const Stats stats = statsOf(byProgram.at(name));
                char comparison[64] = "";
                if (reference > 0 && measure.asDifference)
                    std::snprintf(comparison, sizeof comparison, "%+.2f %s", stats.median - reference, measure.unit);
                else if (reference > 0)
                    std::snprintf(comparison, sizeof comparison, "%.2fx", stats.median / reference);
                std::printf("  %-12s %4zu %9.2f %9.2f %9.2f  %s\n", name, stats.count, stats.median, stats.min,
                            stats.max, comparison);
                char entry[512];
                std::snprintf(entry, sizeof entry,
                              "%s\n    {\"dpi\": %u, \"measure\": \"%s\", \"unit\": \"%s\", \"program\": \"%s\", "
                              "\"n\": %zu, \"median\": %.3f, \"min\": %.3f, \"max\": %.3f, \"vs_floor_sound\": \"%s\"}",
                              separator, dpi, measure.key, measure.unit, name, stats.count, stats.median, stats.min,
                              stats.max, comparison);
                json += entry;
                separator = ",";
            }
        }
    }
    json += "\n  ]\n}\n";
    std::ofstream(std::filesystem::path(jsonPath), std::ios::binary) << json;
    std::printf("written to %ls\n", jsonPath.c_str());
}

std::string narrow(const wchar_t *text) {
    std::string result;
    for (; *text; ++text)
        result += *text == L'\\' ? '/' : *text < 128 ? static_cast<char>(*text) : '?';
    return result;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: bench.exe OUT.json RUNS MACHINE DATE [GAME.exe [DPI...]]\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[2]));
    const std::filesystem::path game = argc > 5 ? std::filesystem::path(argv[5]) : buildFolder() / L"plumaro.exe";
    std::vector<UINT> dpis;
    for (int at = 6; at < argc; ++at)
        dpis.push_back(static_cast<UINT>(_wtoi(argv[at])));
    if (dpis.empty())
        dpis = {96, 192};
    const auto solution = solver::shortestSolution(1);
    if (!solution)
        return 1;
    try {
        SamplesByScale scales;
        // The same rounds at each scale, each program started at it anew.
        for (const UINT dpi : dpis) {
            LogPixelsSetting scale(dpi);
            // One round first that counts for nothing: the first start of each
            // program also pays for reading it from disk.
            Samples warmUp;
            runFloor("floor", warmUp, false);
            runFloor("floor_sound", warmUp, true);
            runGame(warmUp, game, *solution);

            Samples &samples = scales[dpi];
            for (int run = 0; run < runs; ++run) {
                // Each program takes each place in the order in turn.
                for (int slot = 0; slot < 3; ++slot) {
                    switch ((run + slot) % 3) {
                    case 0:
                        runFloor("floor", samples, false);
                        break;
                    case 1:
                        runFloor("floor_sound", samples, true);
                        break;
                    case 2:
                        runGame(samples, game, *solution);
                        break;
                    }
                }
            }
        }
        measureIdle(scales[dpis.front()], game, *solution);
        report(scales, narrow(game.c_str()), narrow(argv[3]), narrow(argv[4]), runs, argv[1]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
