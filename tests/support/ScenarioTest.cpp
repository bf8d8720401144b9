// What scenario sessions share on every backend.
#include "tests/support/ScenarioTest.h"

#include "session/ConfigSession.h"
#include "dll/Entries.h"
#include "records/SessionState.h"
#include "window/CMainDlg.h"
#include "res/resource.h"
#include "text/LangText.h"
#include "text/TextIds.h"
#include "ui/GraphicsObject.h"

namespace testsupport {

const std::u16string kRebootQuestion = text::LongText(2, text::kTextRebootQuestion);

void ScenarioTest::SetUp() {
    records::ResetSessionForTests();
    ResetMainDialogFontForTests();
    session::SetMainDialogRunner(nullptr);
}

void ScenarioTest::TearDown() {
    ResetMainDialogFontForTests();
    EXPECT_EQ(ui::GraphicsObject::LiveCount(), 0) << "graphics objects left behind";
}

void ScenarioTest::RunSession(const std::function<void(Operator&)>& scenario) {
    RunSession([this] { zelInitConfig(recorder.handle(), 2); }, scenario);
}

int ScenarioTest::CallCount(const std::string& function) const {
    return int(Calls(function).size());
}

std::vector<LoggedCall> ScenarioTest::Calls(const std::string& function) const {
    std::vector<LoggedCall> calls;
    for (LoggedCall& call : recorder.Log()) {
        if (call.function == function)
            calls.push_back(std::move(call));
    }
    return calls;
}

void ExpectMessage(Operator& op, std::u16string_view text, int answer) {
    const std::optional<MessageBoxSeen> box = op.OpenMessageBox();
    ASSERT_TRUE(box.has_value()) << "no message box";
    EXPECT_EQ(box->text, std::u16string(text)) << "another message";
    EXPECT_EQ(box->caption, u"Info");
    EXPECT_EQ(box->type, 0x30u | (answer == 6 || answer == 7 ? 4u : 0u));
    op.AnswerMessageBox(answer);
}

void SaveAndSucceed(Operator& op) {
    op.Click(IDC_SAVE);
    ExpectMessage(op, u"Succeed");
}

}  // namespace testsupport
