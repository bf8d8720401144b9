// The RS232 page as the recorder and the operator see it: the rows a port's function shows, the
// shared protocol bytes, each port's own line parameters, and codes no entry stands for.
#include <gtest/gtest.h>

#include "device/PtzRecords.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"

namespace {

using namespace testsupport;

// Function list entries.
constexpr int kNone = 0, kMatrix = 1, kKeyboard = 2, kTransCom = 4;

// How many labels and lists of the line parameters are visible.
int VisibleLineRows(Operator& op) {
    int visible = 0;
    for (int id = IDC_SERIAL_BAUD_LABEL; id <= IDC_SERIAL_PARITY_LABEL; ++id)
        visible += op.IsVisible(id) + op.IsVisible(id - IDC_SERIAL_BAUD_LABEL + IDC_SERIAL_BAUD);
    return visible;
}

class SerialPage : public PageTest<device::SerialsRecord> {
  protected:
    SerialPage()
        : PageTest(u"RS232", "Serials", zelDispHisiNewMenuSerialsGet,
                   "zelDispHisiNewMenuSerialsSet") {}

    // RS485 drives a keyboard, RS232 an adapter; header and reserved bytes are the recorder's.
    void SetUp() override {
        PageTest::SetUp();
        stored = {};
        stored.head[0] = 0x11;
        stored.ports[0] = {2, 8, 1, 0, 9600};
        stored.ports[1] = {3, 7, 2, 2, 19200};
        stored.keyboardProtocol = 3;
        stored.adapterProtocol = 7;
        stored.reserved[1] = 0x5A;
    }
};

TEST_F(SerialPage, test_ptz_matrix_hides_line_and_protocol_rows_and_shows_the_hint) {
    Open([](Operator& op) {
        EXPECT_EQ(op.Entries(IDC_SERIAL_PORT), (std::vector<std::u16string>{u"485RS", u"232RS"}));
        EXPECT_EQ(VisibleLineRows(op), 8);
        op.Pick(IDC_SERIAL_FUNCTION, kMatrix);
        EXPECT_EQ(VisibleLineRows(op), 0);
        EXPECT_FALSE(op.IsVisible(IDC_SERIAL_PROTOCOL_LABEL) || op.IsVisible(IDC_SERIAL_PROTOCOL));
        EXPECT_TRUE(op.IsVisible(IDC_SERIAL_HINT));
        EXPECT_EQ(op.Text(IDC_SERIAL_HINT), u"Config it in the Pan/Tilt/Zoom");
        op.Pick(IDC_SERIAL_FUNCTION, kNone);
        EXPECT_EQ(VisibleLineRows(op), 8);
        EXPECT_FALSE(op.IsVisible(IDC_SERIAL_HINT) || op.IsVisible(IDC_SERIAL_PROTOCOL));
        SaveAndSucceed(op);
    });
    device::SerialsRecord expected = stored;
    expected.ports[0].function = 0;
    ExpectSentOnce(expected);
}

TEST_F(SerialPage, test_protocols_and_line_of_rs232_go_to_the_shared_bytes_and_its_entry) {
    Open([](Operator& op) {
        op.Pick(IDC_SERIAL_PORT, 1);
        EXPECT_EQ(op.Entries(IDC_SERIAL_PROTOCOL).size(), 10u) << "the adapters";
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), 7);
        EXPECT_EQ(op.Text(IDC_SERIAL_BAUD), u"19200") << "RS232's own line";
        EXPECT_EQ(op.Selection(IDC_SERIAL_PARITY), 2);
        op.Pick(IDC_SERIAL_FUNCTION, kKeyboard);
        EXPECT_EQ(op.Entries(IDC_SERIAL_PROTOCOL).size(), 4u) << "the keyboards";
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), 3);
        op.Pick(IDC_SERIAL_PROTOCOL, 1);
        op.Pick(IDC_SERIAL_BAUD, 8);
        op.Pick(IDC_SERIAL_PORT, 0);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), 1) << "RS485's keyboard uses the same byte";
        EXPECT_EQ(op.Text(IDC_SERIAL_BAUD), u"9600");
        SaveAndSucceed(op);
    });
    device::SerialsRecord expected = stored;
    expected.ports[1].function = 2;
    expected.ports[1].baudRate = 115200;  // offset 16
    expected.keyboardProtocol = 1;        // byte 20
    ExpectSentOnce(expected);
}

TEST_F(SerialPage, test_codes_no_entry_stands_for_stay_until_the_operator_picks) {
    stored.ports[0].function = 9;
    stored.ports[1] = {-2, 0, 0, 12, 0};
    stored.keyboardProtocol = 200;
    Open([](Operator& op) {
        EXPECT_EQ(op.Selection(IDC_SERIAL_FUNCTION), kTransCom);
        op.Pick(IDC_SERIAL_PORT, 1);
        EXPECT_EQ(op.Selection(IDC_SERIAL_FUNCTION), -1);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PARITY), -1);
        SaveAndSucceed(op);  // nothing to send yet
        op.Pick(IDC_SERIAL_FUNCTION, kKeyboard);
        EXPECT_EQ(op.Selection(IDC_SERIAL_PROTOCOL), -1) << "protocol 200 is in no list";
        op.Pick(IDC_SERIAL_PORT, 0);
        op.Pick(IDC_SERIAL_FUNCTION, kTransCom);
        SaveAndSucceed(op);
    });
    device::SerialsRecord expected = stored;
    expected.ports[0].function = 5;
    expected.ports[1].function = 2;
    ExpectSentOnce(expected);
}

TEST_F(SerialPage, test_default_then_one_save_sends_the_defaults_of_both_ports) {
    Open([](Operator& op) {
        op.Pick(IDC_SERIAL_PORT, 1);
        op.Click(IDC_DEFAULT);
        EXPECT_EQ(op.Selection(IDC_SERIAL_FUNCTION), kNone) << "the selected port shows them";
        EXPECT_EQ(op.Text(IDC_SERIAL_BAUD), u"9600");
        EXPECT_EQ(op.Selection(IDC_SERIAL_PARITY), 0);
        SaveAndSucceed(op);
    });
    device::SerialsRecord expected = stored;  // header and reserved bytes as they were
    expected.ports[0] = expected.ports[1] = {0, 8, 1, 0, 9600};
    expected.keyboardProtocol = expected.adapterProtocol = 0;
    ExpectSentOnce(expected);
}

}  // namespace
