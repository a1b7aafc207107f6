// Speed of the main window's lookup and of a whole replayed session.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <algorithm>
#include <chrono>
#include <vector>

#include "calc/calculator.h"
#include "lookup/lookup_table.h"
#include "num/arith.h"
#include "num/number_text.h"
#include "replay/recording_toolkit.h"
#include "replay/replay.h"
#include "window/output_surface.h"

namespace {

class NoEffects : public bk::lookup::LookupEffects {
public:
    void printLine(std::string_view) override { ++count; }
    void clearOutput() override { ++count; }
    void openWindow(bk::FormId) override { ++count; }
    long count = 0;
};

void BM_LookupOneKey(benchmark::State& state)
{
    const auto& table = bk::lookup::LookupTable::instance();
    NoEffects effects;
    const std::string key = "利润总额";
    for (auto _ : state) {
        table.lookup(key, effects);
        benchmark::DoNotOptimize(effects.count);
    }
}
BENCHMARK(BM_LookupOneKey);

void BM_LookupMiss(benchmark::State& state)
{
    const auto& table = bk::lookup::LookupTable::instance();
    NoEffects effects;
    const std::string key = "没有这个关键字";
    for (auto _ : state) {
        table.lookup(key, effects);
        benchmark::DoNotOptimize(effects.count);
    }
}
BENCHMARK(BM_LookupMiss);

// Reading a field of N digits takes time linear in N, whatever the text:
// plain digits, digits with a point, and full-width digits.
void BM_ReadNumberDigits(benchmark::State& state)
{
    const auto n = static_cast<size_t>(state.range(0));
    const std::string texts[] = {std::string(n, '7'), "0." + std::string(n, '3'), [n] {
                                     std::string s;
                                     for (size_t i = 0; i < n / 3; ++i) s += "９";
                                     return s;
                                 }()};
    for (auto _ : state)
        for (const std::string& text : texts) {
            try {
                benchmark::DoNotOptimize(bk::readNumber(text));
            } catch (const bk::ArithmeticFault&) {
                // a number past the double range: the reading still ran to its end
            }
        }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadNumberDigits)->RangeMultiplier(8)->Range(64, 1 << 21)->Complexity(benchmark::oN);

// Every route key typed on the main window, its calculator opened and left
// with 退出, from a fresh start each time.
std::string allRoutesScript()
{
    std::string script;
    for (const auto& rule : bk::lookup::LookupTable::instance().rules()) {
        for (const auto& action : rule.actions) {
            if (action.kind != bk::lookup::RuleAction::Kind::OpenWindow) continue;
            script += "set Form1.Text1 " + std::string(rule.key) + "\n";
            script += "click Form1.Command1\n";
            script += "close Form" + std::to_string(action.window) + "\n";
        }
    }
    return script;
}

void BM_ReplayAllRoutes(benchmark::State& state)
{
    const std::string script = allRoutesScript();
    for (auto _ : state) {
        std::istringstream in(script);
        std::ostringstream log, errors;
        benchmark::DoNotOptimize(bk::runReplay(in, log, errors));
    }
}
BENCHMARK(BM_ReplayAllRoutes)->Unit(benchmark::kMillisecond);

// The whole catalogue in one session: every key typed once, every
// calculator pressed once with typical amounts (the session of the golden
// transcript catalogue_all_windows). Target: well below 50 ms.
void BM_ReplayWholeCatalogue(benchmark::State& state)
{
    std::ifstream file(BOOKKEEPER_SOURCE_DIR "/tests/golden/catalogue_all_windows.script");
    const std::string script((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (script.empty()) {
        state.SkipWithError("catalogue_all_windows.script not found");
        return;
    }
    for (auto _ : state) {
        std::istringstream in(script);
        std::ostringstream log, errors;
        benchmark::DoNotOptimize(bk::runReplay(in, log, errors));
    }
}
BENCHMARK(BM_ReplayWholeCatalogue)->Unit(benchmark::kMillisecond);

// One press of every calculator with every field holding the same text.
// Amounts of many digits are the hardest case for exact arithmetic: each
// division by one widens the denominators that later sums multiply. The
// counters give the slowest single press, in microseconds. Target: well
// below 1 ms.
void BM_PressEveryWindow(benchmark::State& state, const std::string& amount)
{
    std::ostringstream log;
    bk::RecordingToolkit toolkit(log);
    bk::calc::Calc::Texts texts;
    for (int k = 1; k <= 40; ++k) texts[k] = amount;
    // Each window's fastest press over the iterations: its own cost, without
    // what the rest of the machine was doing.
    const bk::FormId last = bk::calc::lastCalculator();
    std::vector<double> fastest(static_cast<size_t>(last) + 1, 1e300);
    for (auto _ : state) {
        for (bk::FormId form = bk::kFirstCalculator; form <= last; ++form) {
            bk::OutputSurface out(toolkit, form);
            bk::calc::Calc c(texts, out);
            const auto start = std::chrono::steady_clock::now();
            try {
                bk::calc::calculatorDef(form).compute(c);
            } catch (const bk::ArithmeticFault&) {
                // a fault ends the press, as on screen
            }
            const double us =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            fastest[static_cast<size_t>(form)] = std::min(fastest[static_cast<size_t>(form)], us);
            log.str({});
        }
    }
    const auto slowest = std::max_element(fastest.begin() + bk::kFirstCalculator, fastest.end());
    state.counters["slowest_press_us"] = *slowest;
    state.counters["slowest_form"] = static_cast<double>(slowest - fastest.begin());
}
BENCHMARK_CAPTURE(BM_PressEveryWindow, typical, std::string("12345.67"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PressEveryWindow, forty_digits, std::string("9876543210.987654321098765432109876543211"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PressEveryWindow, forty_digits_tiny,
                  std::string("0.1234567890123456789012345678901234567891e-290"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PressEveryWindow, forty_digits_huge, std::string("1.234567890123456789012345678901234567891e150"))
    ->Unit(benchmark::kMicrosecond);

#ifdef BOOKKEEPER_MEMORY_PROBE
// Peak kilobytes of a run of the memory probe, or -1.
long probePeak(const char* mode)
{
    const std::string command = "QT_QPA_PLATFORM=offscreen " BOOKKEEPER_MEMORY_PROBE " " + std::string(mode);
    FILE* out = popen(command.c_str(), "r");
    if (!out) return -1;
    long kilobytes = -1;
    if (std::fscanf(out, "%ld", &kilobytes) != 1) kilobytes = -1;
    return pclose(out) == 0 ? kilobytes : -1;
}

// Peak memory of the Qt program with all its windows created and shown once,
// against a bare Qt window with one text box and one button, measured in
// the same run. Target: the program at most 1.5 times the bare window.
void BM_QtPeakMemory(benchmark::State& state)
{
    long all = -1;
    long bare = -1;
    for (auto _ : state) {
        all = probePeak("all");
        bare = probePeak("bare");
    }
    if (all <= 0 || bare <= 0) {
        state.SkipWithError("the memory probe did not run");
        return;
    }
    state.counters["program_kB"] = static_cast<double>(all);
    state.counters["bare_window_kB"] = static_cast<double>(bare);
    state.counters["ratio"] = static_cast<double>(all) / static_cast<double>(bare);
}
BENCHMARK(BM_QtPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Resident kilobytes of the memory probe in `mode` when its window has been
// drawn and half a second later, read from a probe started with popen.
struct AtRest {
    long drawn = -1;
    long rest = -1;
};
AtRest readProbe(FILE* out)
{
    AtRest r;
    if (!out) return r;
    if (std::fscanf(out, "%ld %ld", &r.drawn, &r.rest) != 2) r = {};
    if (pclose(out) != 0) r = {};
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Memory at rest: the program half a second after its main window appears
// against a bare Qt window with the same Chinese texts, the two started
// side by side each time (medians of the runs). Target: the program at most
// 1.10 times the bare window. The probes draw where QT_QPA_PLATFORM says
// (offscreen unless set).
void BM_QtMemoryAtRest(benchmark::State& state)
{
    const std::string platform = std::getenv("QT_QPA_PLATFORM") ? "" : "QT_QPA_PLATFORM=offscreen ";
    const std::string settings = "BOOKKEEPER_PROBE_SETTINGS=/dev/null/bookkeeper-probe.ini ";
    std::vector<double> program, bare, drawnProgram, drawnBare;
    for (auto _ : state) {
        for (int run = 0; run < state.range(0); ++run) {
            // Both start before either is read, in turn first.
            const std::string p = platform + settings + BOOKKEEPER_MEMORY_PROBE " rest 2>/dev/null";
            const std::string b = platform + BOOKKEEPER_MEMORY_PROBE " bare-rest 2>/dev/null";
            FILE* first = popen((run % 2 ? b : p).c_str(), "r");
            FILE* second = popen((run % 2 ? p : b).c_str(), "r");
            const AtRest one = readProbe(first);
            const AtRest two = readProbe(second);
            const AtRest& prog = run % 2 ? two : one;
            const AtRest& plain = run % 2 ? one : two;
            if (prog.rest <= 0 || plain.rest <= 0) {
                state.SkipWithError("the memory probe did not run");
                return;
            }
            program.push_back(static_cast<double>(prog.rest));
            bare.push_back(static_cast<double>(plain.rest));
            drawnProgram.push_back(static_cast<double>(prog.drawn));
            drawnBare.push_back(static_cast<double>(plain.drawn));
        }
    }
    state.counters["program_kB"] = median(program);
    state.counters["bare_window_kB"] = median(bare);
    state.counters["ratio"] = median(program) / median(bare);
    state.counters["drawn_ratio"] = median(drawnProgram) / median(drawnBare);
}
BENCHMARK(BM_QtMemoryAtRest)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
