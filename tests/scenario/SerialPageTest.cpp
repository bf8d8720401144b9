// The RS232 page as the recorder and the operator see it: the rows a port's function shows, the
// keyboard and adapter protocols in their shared bytes, the line parameters of each port, Default,
// and function codes no entry stands for.
#include <gtest/gtest.h>

#include <cstring>

#include "device/PtzRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"

namespace {

using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;
using Texts = std::vector<std::u16string>;

constexpr int kLineRows[] = {IDC_SERIAL_BAUD_LABEL,      IDC_SERIAL_BAUD,
                             IDC_SERIAL_DATA_BITS_LABEL, IDC_SERIAL_DATA_BITS,
                             IDC_SERIAL_STOP_BITS_LABEL, IDC_SERIAL_STOP_BITS,
                             IDC_SERIAL_PARITY_LABEL,    IDC_SERIAL_PARITY};

// Function list entries.
constexpr int kNoneEntry = 0;
constexpr int kMatrixEntry = 1;
constexpr int kKeyboardEntry = 2;
constexpr int kAdapterEntry = 3;
constexpr int kTransComEntry = 4;

const Texts kKeyboards = {u"L.C.", u"Pinerve", u"Samlink", u"Mainvan"};
const Texts kAdapters = {u"Standard", u"NCR",     u"WINCOR-NIXDORF", u"Yihua",    u"DIEBOLD",
                         u"Nantian",  u"FUJITSU", u"HITACHI",        u"Shengxun", u"GRG"};

// How many of the line parameters' labels and lists are visible.
int VisibleLineRows(Operator& op) {
    int visible = 0;
    for (int id : kLineRows)
        visible += op.IsVisible(id);
    return visible;
}

class SerialPage : public ScenarioTest {
  protected:
    // RS485 drives a keyboard, RS232 an adapter; the header and reserved bytes are the
    // recorder's own.
    void SetUp() override {
        ScenarioTest::SetUp();
        stored.head[0] = 0x11;
        stored.head[3] = 0x44;
        stored.ports[0] = {2, 8, 1, 0, 9600};
        stored.ports[1] = {3, 7, 2, 2, 19200};
        stored.keyboardProtocol = 3;
        stored.adapterProtocol = 7;
        stored.reserved[0] = 0xA5;
        stored.reserved[1] = 0x5A;
        Store();
    }

    void Store() {
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "Serials", &stored, sizeof stored), 0);
    }

    std::vector<device::SerialsRecord> Sent() const {
        std::vector<device::SerialsRecord> sent;
        for (const auto& call : Calls("zelDispHisiNewMenuSerialsSet")) {
            device::SerialsRecord record{};
            EXPECT_EQ(call.bytes.size(), sizeof record);
            std::memcpy(&record, call.bytes.data(), std::min(call.bytes.size(), sizeof record));
            sent.push_back(record);
        }
        return sent;
    }

    static void Open(Operator& op) { op.SelectTreeItem(u"RS232"); }

    device::SerialsRecord stored{};
};

bool SameRecord(const device::SerialsRecord& a, const device::SerialsRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(SerialPage, test_ptz_matrix_hides_line_and_protocol_rows_and_shows_the_hint) {
    RunSession([](Operator& op) {
        Open(op);
        EXPECT_EQ(op.Entries(IDC_SERIAL_PORT), (Texts{u"485RS", u"232RS"}));
        EXPECT_EQ(op.Entries(IDC_SERIAL_FUNCTION),
                  (Texts{u"None", u"PTZ Matrix", u"Keyboard", u"Adapter", u"Trans. COM"}));
        EXPECT_EQ(op.Entries(IDC_SERIAL_PARITY),
                  (Texts{u"None", u"OddParity", u"EvenParity", u"MarkParity", u"SpaceParity"}));
        EXPECT_EQ(VisibleLineRows(op), 8);
        EXPECT_FALSE(op.IsVisible(IDC_SERIAL_HINT));

        op.Pick(IDC_SERIAL_FUNCTION, kMatrixEntry);
        EXPECT_EQ(VisibleLineRows(op), 0);
        EXPECT_FALSE(op.IsVisible(IDC_SERIAL_PROTOCOL_LABEL) || op.IsVisible(IDC_SERIAL_PROTOCOL));
        EXPECT_TRUE(op.IsVisible(IDC_SERIAL_HINT));
        EXPECT_EQ(op.Text(IDC_SERIAL_HINT), u"Config it in the Pan/Tilt/Zoom");

        op.Pick(IDC_SERIAL_FUNCTION, kNoneEntry);
        EXPECT_EQ(VisibleLineRows(op), 8);
        EXPECT_FALSE(op.IsVisible(IDC_SERIAL_HINT));
        EXPECT_FALSE(op.IsVisible(IDC_SERIAL_PROTOCOL));
        EXPECT_EQ(op.Selection(IDC_SERIAL_BAUD), 3) << "9600";
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    device::SerialsRecord expected = stored;
    expected.ports[0].function = 0;
    EXPECT_TRUE(SameRecord(sent[0], expected));
}

TEST_F(SerialPage, test_keyboard_and_adapter_each_show_their_own_list_and_protocol) {
    RunSession([](Operator& op) {
        Open(op);
        EXPECT_TRUE(op.IsVisible(IDC_SERIAL_PROTOCOL));
        EXPECT_EQ(op.Entries(IDC_SERIAL_PROTOCOL), kKeyboards);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), 3);

        op.Pick(IDC_SERIAL_FUNCTION, kAdapterEntry);
        EXPECT_EQ(op.Entries(IDC_SERIAL_PROTOCOL), kAdapters);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), 7);

        // RS232 drives an adapter and shows the line parameters of its own entry.
        op.Pick(IDC_SERIAL_PORT, 1);
        EXPECT_EQ(op.Selection(IDC_SERIAL_FUNCTION), kAdapterEntry);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), 7);
        EXPECT_EQ(op.Text(IDC_SERIAL_BAUD), u"19200");
        EXPECT_EQ(op.Text(IDC_SERIAL_DATA_BITS), u"7");
        EXPECT_EQ(op.Text(IDC_SERIAL_STOP_BITS), u"2");
        EXPECT_EQ(op.Selection(IDC_SERIAL_PARITY), 2);
    });
}

TEST_F(SerialPage, test_rs232_changes_write_its_entry_and_the_shared_protocol_only) {
    RunSession([](Operator& op) {
        Open(op);
        op.Pick(IDC_SERIAL_PORT, 1);
        op.Pick(IDC_SERIAL_FUNCTION, kKeyboardEntry);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), 3) << "the keyboard protocol both share";
        op.Pick(IDC_SERIAL_PROTOCOL, 1);
        op.Pick(IDC_SERIAL_BAUD, 8);
        op.Pick(IDC_SERIAL_PORT, 0);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), 1) << "RS485's keyboard uses the same byte";
        EXPECT_EQ(op.Text(IDC_SERIAL_BAUD), u"9600");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    device::SerialsRecord expected = stored;
    expected.ports[1].function = 2;
    expected.ports[1].baudRate = 115200;
    expected.keyboardProtocol = 1;
    EXPECT_TRUE(SameRecord(sent[0], expected));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&sent[0]);
    EXPECT_EQ((std::vector<int>(bytes + 16, bytes + 21)), (std::vector<int>{0, 0xC2, 1, 0, 1}))
        << "115200 at offset 16, protocol 1 at byte 20";
}

TEST_F(SerialPage, test_default_then_save_resets_both_ports_in_one_set) {
    RunSession([](Operator& op) {
        Open(op);
        op.Pick(IDC_SERIAL_PORT, 1);
        op.Click(IDC_DEFAULT);
        EXPECT_EQ(op.Selection(IDC_SERIAL_FUNCTION), kNoneEntry);
        EXPECT_FALSE(op.IsVisible(IDC_SERIAL_PROTOCOL));
        EXPECT_EQ(op.Text(IDC_SERIAL_BAUD), u"9600");
        EXPECT_EQ(op.Selection(IDC_SERIAL_PARITY), 0);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    device::SerialsRecord expected = stored;
    expected.ports[0] = expected.ports[1] = {0, 8, 1, 0, 9600};
    expected.keyboardProtocol = expected.adapterProtocol = 0;
    EXPECT_TRUE(SameRecord(sent[0], expected)) << "header and reserved bytes as received";
}

TEST_F(SerialPage, test_codes_no_entry_stands_for_stay_until_the_operator_picks) {
    stored.ports[0].function = 9;
    stored.ports[1].function = -2;
    stored.ports[1].parity = 12;
    stored.keyboardProtocol = 200;
    Store();
    RunSession([](Operator& op) {
        Open(op);
        EXPECT_EQ(op.Selection(IDC_SERIAL_FUNCTION), kTransComEntry);
        op.Pick(IDC_SERIAL_PORT, 1);
        EXPECT_EQ(op.Selection(IDC_SERIAL_FUNCTION), -1);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PARITY), -1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");

        op.Pick(IDC_SERIAL_FUNCTION, kKeyboardEntry);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), -1) << "protocol 200 is in no list";
        op.Pick(IDC_SERIAL_PORT, 0);
        op.Pick(IDC_SERIAL_FUNCTION, kTransComEntry);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u) << "nothing to send before the operator picked";
    device::SerialsRecord expected = stored;
    expected.ports[0].function = 5;
    expected.ports[1].function = 2;
    EXPECT_TRUE(SameRecord(sent[0], expected));
}

}  // namespace
