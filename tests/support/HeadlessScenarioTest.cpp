// Scenario sessions on the headless backend.
#include <atomic>
#include <thread>

#include "tests/support/HeadlessOperator.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Backend.h"

namespace testsupport {

bool OnRealWindows() {
    return false;
}

bool ScenarioTest::RunSession(const std::function<void()>& entry,
                              const std::function<void(Operator&)>& scenario, bool mayFail) {
    ui::headless::HeadlessBackend backend;
    backend.PinLocalNow(pcClock);
    ui::SetBackend(&backend);
    backend.AttachOperator();
    HeadlessOperator op(backend);
    std::atomic<bool> opened{false};
    std::thread driver([&] {
        // Nothing to do: it returns once a window waits for input, or false if none ever does.
        if (backend.Execute([] {})) {
            opened = true;
            scenario(op);
        }
        backend.DetachOperator();
    });
    entry();
    backend.DetachOperator();
    driver.join();
    if (!opened && !mayFail)
        ADD_FAILURE() << "the configuration window did not open";
    windowsLeft = int(backend.Windows().size()) + backend.OpenProgressWindows();
    progress.clear();
    for (const auto& record : backend.ProgressLog())
        progress.push_back(
            {record.caption, record.text, record.steps, true, record.dialogsWhenClosed});
    ui::SetBackend(nullptr);
    // Every control the dialogs addressed exists in their templates with the right class.
    for (const auto& misuse : backend.Misuses()) {
        ADD_FAILURE() << "template " << misuse.templateId << " has no fitting control "
                      << misuse.controlId << " for " << misuse.operation;
    }
    return opened;
}

}  // namespace testsupport
