// What scenario sessions share on every backend.
#include "tests/support/ScenarioTest.h"

#include "app/ConfigSession.h"
#include "app/Entries.h"
#include "app/Session.h"
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
