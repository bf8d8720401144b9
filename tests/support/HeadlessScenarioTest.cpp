// Scenario sessions on the headless backend.
#include <thread>

#include "app/ConfigSession.h"
#include "app/Entries.h"
#include "app/Session.h"
#include "tests/support/HeadlessOperator.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Backend.h"
#include "ui/CMainDlg.h"
#include "ui/GraphicsObject.h"

namespace testsupport {

void ScenarioTest::SetUp() {
    app::ResetSessionForTests();
    ResetMainDialogFontForTests();
    app::SetMainDialogRunner(nullptr);
}

void ScenarioTest::TearDown() {
    ResetMainDialogFontForTests();
    EXPECT_EQ(ui::GraphicsObject::LiveCount(), 0) << "graphics objects left behind";
}

void ScenarioTest::RunSession(const std::function<void()>& entry,
                              const std::function<void(Operator&)>& scenario) {
    ui::headless::HeadlessBackend backend;
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
    ui::SetBackend(nullptr);
    // Every control the dialogs addressed exists in their templates with the right class.
    for (const auto& misuse : backend.Misuses()) {
        ADD_FAILURE() << "template " << misuse.templateId << " has no fitting control "
                      << misuse.controlId << " for " << misuse.operation;
    }
}

void ScenarioTest::RunSession(const std::function<void(Operator&)>& scenario) {
    RunSession([this] { zelInitConfig(recorder.handle(), 2); }, scenario);
}

int ScenarioTest::CallCount(const std::string& function) const {
    int count = 0;
    for (const std::string& name : recorder.LoggedFunctions())
        count += name == function;
    return count;
}

}  // namespace testsupport
