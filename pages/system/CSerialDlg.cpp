// The RS232 page.
#include "pages/system/CSerialDlg.h"

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

namespace {

// Function codes of a port entry.
constexpr std::int8_t kNone = 0;
constexpr std::int8_t kPtzMatrix = 1;
constexpr std::int8_t kKeyboard = 2;
constexpr std::int8_t kAdapter = 3;
constexpr std::int8_t kTransCom = 5;
// The function list's entry for the transparent channel, which also stands for codes above 3.
constexpr int kTransComEntry = 4;

// A list entry read from the text table, or the same in every language.
struct Name {
    std::uint32_t textId;
    const char16_t* literal;

    std::u16string_view Text() const { return literal ? literal : pages::Text(textId); }
};

constexpr Name kKeyboardProtocols[] = {
    {0, u"L.C."}, {0, u"Pinerve"}, {0, u"Samlink"}, {0, u"Mainvan"}};

constexpr Name kAdapterProtocols[] = {{text::kTextStandard, nullptr},
                                      {0, u"NCR"},
                                      {0, u"WINCOR-NIXDORF"},
                                      {text::kTextYihua, nullptr},
                                      {0, u"DIEBOLD"},
                                      {text::kTextNantian, nullptr},
                                      {0, u"FUJITSU"},
                                      {text::kTextHitachi, nullptr},
                                      {text::kTextShengxun, nullptr},
                                      {text::kTextGrg, nullptr}};

constexpr const char16_t* kBaudRates[] = {u"1200",  u"2400",  u"4800",  u"9600",  u"19200",
                                          u"28800", u"38400", u"57600", u"115200"};

// The line parameters' labels and lists, hidden while the port drives a PTZ matrix.
constexpr int kLineRows[] = {IDC_SERIAL_BAUD_LABEL,      IDC_SERIAL_BAUD,
                             IDC_SERIAL_DATA_BITS_LABEL, IDC_SERIAL_DATA_BITS,
                             IDC_SERIAL_STOP_BITS_LABEL, IDC_SERIAL_STOP_BITS,
                             IDC_SERIAL_PARITY_LABEL,    IDC_SERIAL_PARITY};

template <std::size_t N>
void Fill(ui::ComboBox list, const Name (&names)[N]) {
    for (const Name& name : names)
        list.AddString(name.Text());
}

// Selects the first entry that begins with the number, searching from the second entry on
// and wrapping; no such entry leaves the selection as it was.
void SelectNumber(ui::ComboBox list, int value) {
    list.SelectString(0, ui::Format("%d", value));
}

}  // namespace

CSerialDlg::CSerialDlg() : RecordPage(IDD_SERIAL, text::kTextRs232, records::RecordId::Serials) {}

void CSerialDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_SERIAL_PORT_LABEL, text::kTextSerialPort},
                                  {IDC_SERIAL_FUNCTION_LABEL, text::kTextFunction},
                                  {IDC_SERIAL_PROTOCOL_LABEL, text::kTextProtocol},
                                  {IDC_SERIAL_BAUD_LABEL, text::kTextBaudRate},
                                  {IDC_SERIAL_DATA_BITS_LABEL, text::kTextDataBits},
                                  {IDC_SERIAL_STOP_BITS_LABEL, text::kTextStopBits},
                                  {IDC_SERIAL_PARITY_LABEL, text::kTextParity},
                              });
    SetDlgItemText(IDC_SERIAL_HINT, pages::LongText(text::kTextConfigInPtz));

    const std::u16string rs(pages::Text(text::kTextRs));
    ui::ComboBox ports = GetComboBox(IDC_SERIAL_PORT);
    ports.AddString(ui::Format("%d", 485) + rs);
    ports.AddString(ui::Format("%d", 232) + rs);
    ports.SetCurSel(0);

    ui::ComboBox function = GetComboBox(IDC_SERIAL_FUNCTION);
    function.AddString(pages::Text(text::kTextNone), kNone);
    function.AddString(pages::Text(text::kTextPtzMatrix), kPtzMatrix);
    function.AddString(pages::Text(text::kTextKeyboard), kKeyboard);
    function.AddString(pages::Text(text::kTextAdapter), kAdapter);
    function.AddString(pages::Text(text::kTextTransCom), kTransCom);

    ui::ComboBox baud = GetComboBox(IDC_SERIAL_BAUD);
    for (const char16_t* rate : kBaudRates)
        baud.AddString(rate);
    ui::ComboBox dataBits = GetComboBox(IDC_SERIAL_DATA_BITS);
    for (const char16_t* bits : {u"5", u"6", u"7", u"8"})
        dataBits.AddString(bits);
    ui::ComboBox stopBits = GetComboBox(IDC_SERIAL_STOP_BITS);
    stopBits.AddString(u"1");
    stopBits.AddString(u"2");

    const std::u16string parity(pages::Text(text::kTextParity));
    ui::ComboBox parities = GetComboBox(IDC_SERIAL_PARITY);
    parities.AddString(pages::Text(text::kTextNone));
    for (std::uint32_t kind : {text::kTextOdd, text::kTextEven, text::kTextMark, text::kTextSpace})
        parities.AddString(std::u16string(pages::Text(kind)) + parity);
}

void CSerialDlg::Load(const device::SerialsRecord& serials) {
    working_ = serials;
    ShowPort(SelectedPort());
}

void CSerialDlg::Store(device::SerialsRecord& serials) {
    serials = working_;
}

void CSerialDlg::LoadDefaults() {
    working_.keyboardProtocol = 0;
    working_.adapterProtocol = 0;
    for (device::SerialPort& port : working_.ports)
        port = {kNone, 8, 1, 0, 9600};
    ShowPort(SelectedPort());
}

bool CSerialDlg::OnCommand(int id, int code) {
    if (code != ui::kCbnSelChange)
        return RecordPage::OnCommand(id, code);
    switch (id) {
        case IDC_SERIAL_PORT:
            ShowPort(SelectedPort());
            return true;
        case IDC_SERIAL_FUNCTION:
            OnFunctionPicked();
            return true;
        case IDC_SERIAL_PROTOCOL:
            OnProtocolPicked();
            return true;
        case IDC_SERIAL_BAUD:
        case IDC_SERIAL_DATA_BITS:
        case IDC_SERIAL_STOP_BITS:
        case IDC_SERIAL_PARITY:
            OnLineParameterPicked(id);
            return true;
        default:
            return false;
    }
}

int CSerialDlg::SelectedPort() const {
    return GetComboBox(IDC_SERIAL_PORT).GetCurSel() == 1 ? 1 : 0;
}

void CSerialDlg::ShowPort(int port) {
    const device::SerialPort& entry = working_.ports[port];
    const int function = entry.function;
    GetComboBox(IDC_SERIAL_FUNCTION)
        .SelectIndex(function < 0           ? -1
                     : function <= kAdapter ? function
                                            : kTransComEntry);

    const bool matrix = function == kPtzMatrix;
    for (int id : kLineRows)
        GetWindow().ShowControl(id, !matrix);
    GetStatic(IDC_SERIAL_HINT).Show(matrix);
    if (!matrix)
        ShowLineParameters(entry);
    ShowProtocols(function);
}

void CSerialDlg::ShowLineParameters(const device::SerialPort& port) {
    SelectNumber(GetComboBox(IDC_SERIAL_BAUD), port.baudRate);
    SelectNumber(GetComboBox(IDC_SERIAL_DATA_BITS), port.dataBits);
    SelectNumber(GetComboBox(IDC_SERIAL_STOP_BITS), port.stopBits);
    GetComboBox(IDC_SERIAL_PARITY).SelectIndex(port.parity);
}

void CSerialDlg::ShowProtocols(int function) {
    const bool keyboard = function == kKeyboard;
    const bool adapter = function == kAdapter;
    GetStatic(IDC_SERIAL_PROTOCOL_LABEL).Show(keyboard || adapter);
    ui::ComboBox protocols = GetComboBox(IDC_SERIAL_PROTOCOL);
    protocols.Show(keyboard || adapter);
    if (!keyboard && !adapter)
        return;
    protocols.ResetContent();
    if (keyboard) {
        Fill(protocols, kKeyboardProtocols);
        protocols.SelectIndex(working_.keyboardProtocol);
    } else {
        Fill(protocols, kAdapterProtocols);
        protocols.SelectIndex(working_.adapterProtocol);
    }
}

void CSerialDlg::OnFunctionPicked() {
    const std::optional<ui::ItemData> function = GetComboBox(IDC_SERIAL_FUNCTION).SelectedData();
    if (!function)
        return;
    const int port = SelectedPort();
    working_.ports[port].function = static_cast<std::int8_t>(*function);
    ShowPort(port);
}

void CSerialDlg::OnProtocolPicked() {
    const std::optional<int> protocol = GetComboBox(IDC_SERIAL_PROTOCOL).Selection();
    if (!protocol)
        return;
    // The list shows whatever the function list says the port drives.
    switch (GetComboBox(IDC_SERIAL_FUNCTION).GetCurSel()) {
        case kKeyboard:
            working_.keyboardProtocol = static_cast<std::uint8_t>(*protocol);
            break;
        case kAdapter:
            working_.adapterProtocol = static_cast<std::uint8_t>(*protocol);
            break;
        default:
            break;
    }
}

void CSerialDlg::OnLineParameterPicked(int id) {
    const ui::ComboBox list = GetComboBox(id);
    const std::optional<int> index = list.Selection();
    if (!index)
        return;
    device::SerialPort& port = working_.ports[SelectedPort()];
    const std::int32_t value = ui::IntegerFromText(list.GetItemText(*index));
    switch (id) {
        case IDC_SERIAL_BAUD:
            port.baudRate = value;
            break;
        case IDC_SERIAL_DATA_BITS:
            port.dataBits = static_cast<std::int8_t>(value);
            break;
        case IDC_SERIAL_STOP_BITS:
            port.stopBits = static_cast<std::int8_t>(value);
            break;
        case IDC_SERIAL_PARITY:
            port.parity = static_cast<std::int8_t>(*index);
            break;
        default:
            break;
    }
}
