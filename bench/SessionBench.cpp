// Figures of a whole configuration session on the headless backend, printed: the entry with a
// 16-channel simulated recorder, the fetch, the window with all its pages made and closed
// again; and the same with every tree node selected once.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "session/ConfigSession.h"
#include "dll/Entries.h"
#include "records/SessionState.h"
#include "window/CMainDlg.h"
#include "res/resource.h"
#include "sim/SimApi.h"
#include "ui/Backend.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median = 0;
    double p90 = 0;
};

// Runs sessions; visit: each selects every tree node once before the window closes.
Figures Sessions(ZelHandle handle, int runs, bool visit) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        ui::headless::HeadlessBackend backend;
        ui::SetBackend(&backend);
        std::size_t next = 0;
        backend.SetScript([&] {
            if (!visit)
                return false;
            for (ui::headless::HeadlessWindow* window : backend.Windows()) {
                const auto* tree = window->FindControl(IDC_TREE);
                if (!tree || next >= tree->nodes.size())
                    continue;
                window->UserSelectTreeItem(IDC_TREE, tree->nodes[next++].handle);
                return true;
            }
            return false;
        });
        const auto start = Clock::now();
        zelInitConfig(handle, 2);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        ui::SetBackend(nullptr);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 9 / 10]};
}

}  // namespace

int main() {
    char error[256];
    const ZelHandle handle = zsimOpen(nullptr, error, sizeof error);
    if (!handle || zsimSetCounts(handle, 16, 16, 4) != 0) {
        std::fprintf(stderr, "SessionBench: the simulated recorder did not open: %s\n", error);
        return 1;
    }
    session::SetMainDialogRunner(nullptr);
    Sessions(handle, 20, false);  // warm-up
    const Figures plain = Sessions(handle, 500, false);
    const Figures visiting = Sessions(handle, 200, true);
    std::printf("headless session, 16 channels, no device latency\n");
    std::printf("  open and close:           median %.3f ms, 90%% %.3f ms (500 sessions)\n",
                plain.median, plain.p90);
    std::printf("  every tree node selected: median %.3f ms, 90%% %.3f ms (200 sessions)\n",
                visiting.median, visiting.p90);
    zsimClose(handle);
    return 0;
}
