// A scenario on one settings page whose record the test prepares: the recorder holds `stored`
// when the window opens on the page, and Sent() gives the records the page's Set carried.
#pragma once

#include <functional>
#include <vector>

#include "device/ZelDisp.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/ScenarioTest.h"

namespace testsupport {

template <typename Record>
class PageTest : public ScenarioTest {
  protected:
    using Getter = std::int32_t(ZEL_CALL*)(ZelHandle, Record*);

    // The page's tree node, its record's name in the simulator, and the record's functions.
    PageTest(const char16_t* node, const char* record, Getter get, const char* setFunction)
        : node_(node), record_(record), get_(get), setFunction_(setFunction) {}

    void SetUp() override {
        ScenarioTest::SetUp();
        ASSERT_GE(get_(recorder.handle(), &stored), 0);
    }

    // Lets the recorder hold `stored`, then runs the scenario on the page; the call log starts
    // with the session.
    void Open(const std::function<void(Operator&)>& scenario) {
        ASSERT_EQ(zsimSetRecord(recorder.handle(), record_, &stored, sizeof stored), 0);
        recorder.ClearLog();
        RunSession([&](Operator& op) {
            op.SelectTreeItem(node_);
            scenario(op);
        });
    }

    std::vector<Record> Sent() const { return Decoded<Record>(Calls(setFunction_)); }

    // Checks that the page's Set sent one record, the expected one.
    void ExpectSentOnce(const Record& expected, const char* what = "") const {
        const auto sent = Sent();
        ASSERT_EQ(sent.size(), 1u) << what;
        EXPECT_EQ(Differences(sent[0], expected), "") << what;
    }

    Record stored{};

  private:
    const char16_t* node_;
    const char* record_;
    Getter get_;
    const char* setFunction_;
};

}  // namespace testsupport
