// The RS232 page: what the recorder's RS485 and RS232 ports are used for, the protocol of a
// keyboard or an adapter, and each port's line parameters. Every choice goes into the working
// copy at once; Save sends the working copy.
#pragma once

#include "device/PtzRecords.h"
#include "pages/common/SettingsPage.h"

class CSerialDlg : public pages::RecordPage<device::SerialsRecord> {
  public:
    CSerialDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::SerialsRecord& serials) override;
    void Store(device::SerialsRecord& serials) override;
    void LoadDefaults() override;
    bool OnCommand(int id, int code) override;

  private:
    // The port the port list selects: 0 RS485, 1 RS232.
    int SelectedPort() const;
    // Shows the function, the protocol row or the hint, and the line parameters of a port.
    void ShowPort(int port);
    void ShowLineParameters(const device::SerialPort& port);
    void ShowProtocols(int function);
    // Called when the operator picks in a list: the choice goes into the working copy.
    void OnFunctionPicked();
    void OnProtocolPicked();
    void OnLineParameterPicked(int id);

    device::SerialsRecord working_{};
};
