// Speed of the main window's lookup and of a whole replayed session.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "lookup/lookup_table.h"
#include "ui/arith.h"
#include "ui/number_text.h"
#include "replay.h"

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

// Peak memory of the Qt program with all 100 windows created and shown once,
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
#endif

}  // namespace

BENCHMARK_MAIN();
