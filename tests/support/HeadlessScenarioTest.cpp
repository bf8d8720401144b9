// Scenario sessions on the headless backend.
#include <thread>

#include "tests/support/HeadlessOperator.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Backend.h"

namespace testsupport {

void ScenarioTest::RunSession(const std::function<void()>& entry,
                              const std::function<void(Operator&)>& scenario) {
    ui::headless::HeadlessBackend backend;
    backend.PinLocalNow(pcClock);
    ui::SetBackend(&backend);
    backend.AttachOperator();
    HeadlessOperator op(backend);
    std::thread driver([&] {
        scenario(op);
        backend.DetachOperator();
    });
    entry();
    backend.DetachOperator();
    driver.join();
    windowsLeft = int(backend.Windows().size());
    ui::SetBackend(nullptr);
    // Every control the dialogs addressed exists in their templates with the right class.
    for (const auto& misuse : backend.Misuses()) {
        ADD_FAILURE() << "template " << misuse.templateId << " has no fitting control "
                      << misuse.controlId << " for " << misuse.operation;
    }
}

}  // namespace testsupport
