// The controls of an alarm's reaction.
#include "pages/alarms/AlarmLinkageControls.h"

#include <algorithm>

#include "records/SessionState.h"
#include "pages/alarms/CPTZLinkDlg.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Dialog.h"
#include "ui/Format.h"
#include "ui/NumberText.h"

using device::AlarmLinkage;
using device::kMaxAlarmOutputs;
using device::kMaxChannels;

namespace {

constexpr int kMaxSeconds = 600;

static_assert(IDC_LINKAGE_RECORD16 == IDC_LINKAGE_RECORD1 + kMaxChannels - 1);
static_assert(IDC_LINKAGE_TOUR16 == IDC_LINKAGE_TOUR1 + kMaxChannels - 1);
static_assert(IDC_LINKAGE_CH16_LABEL == IDC_LINKAGE_CH1_LABEL + kMaxChannels - 1);
static_assert(IDC_LINKAGE_OUT4 == IDC_LINKAGE_OUT1 + kMaxAlarmOutputs - 1);
static_assert(IDC_LINKAGE_OUT4_LABEL == IDC_LINKAGE_OUT1_LABEL + kMaxAlarmOutputs - 1);

int Channels() {
    return std::clamp(records::ChannelCount, 0, kMaxChannels);
}

int Outputs() {
    return std::clamp(records::AlarmOutCount, 0, kMaxAlarmOutputs);
}

// The enable boxes with the byte each stands for.
struct Enable {
    int id;
    std::uint8_t AlarmLinkage::*byte;
};

constexpr Enable kEnables[] = {
    {IDC_LINKAGE_RECORD, &AlarmLinkage::recordEnable},
    {IDC_LINKAGE_ALARM_OUT, &AlarmLinkage::alarmOutEnable},
    {IDC_LINKAGE_TOUR, &AlarmLinkage::tourEnable},
    {IDC_LINKAGE_PTZ, &AlarmLinkage::ptzEnable},
    {IDC_LINKAGE_SHOW_MESSAGE, &AlarmLinkage::showMessageEnable},
    {IDC_LINKAGE_BUZZER, &AlarmLinkage::buzzerEnable},
    {IDC_LINKAGE_UPLOAD, &AlarmLinkage::uploadEnable},
    {IDC_LINKAGE_EMAIL, &AlarmLinkage::emailEnable},
};

}  // namespace

void AlarmLinkageControls::SetUp() {
    const pages::Caption captions[] = {
        {IDC_LINKAGE_RECORD, text::kTextRecordChannel},
        {IDC_LINKAGE_ALARM_OUT, text::kTextAlarmOut},
        {IDC_LINKAGE_TOUR, text::kTextTourOnAlarm},
        {IDC_LINKAGE_PTZ, text::kTextPtzActivation},
        {IDC_LINKAGE_SHOW_MESSAGE, text::kTextShowMessage},
        {IDC_LINKAGE_BUZZER, text::kTextBuzzer},
        {IDC_LINKAGE_UPLOAD, text::kTextAlarmUpload},
        {IDC_LINKAGE_EMAIL, text::kTextSendEmail},
        {IDC_LINKAGE_DELAY_LABEL, text::kTextDelay},
        {IDC_LINKAGE_DELAY_UNIT, text::kTextSeconds},
        {IDC_LINKAGE_LATCH_LABEL, text::kTextLatch},
        {IDC_LINKAGE_LATCH_UNIT, text::kTextSeconds},
    };
    for (const pages::Caption& caption : captions) {
        if (Has(caption.control))
            dialog_.SetDlgItemText(caption.control, pages::Text(caption.text));
    }

    delayEdit_.SetNumeric(0, kMaxSeconds);
    latchEdit_.SetNumeric(0, kMaxSeconds);
    if (Has(IDC_LINKAGE_DELAY))
        delayEdit_.Attach(dialog_, IDC_LINKAGE_DELAY);
    if (Has(IDC_LINKAGE_LATCH))
        latchEdit_.Attach(dialog_, IDC_LINKAGE_LATCH);

    ui::Window& window = dialog_.GetWindow();
    for (int c = 0; c < kMaxChannels; ++c) {
        const bool shown = c < Channels();
        for (int id : {IDC_LINKAGE_CH1_LABEL + c, IDC_LINKAGE_RECORD1 + c, IDC_LINKAGE_TOUR1 + c}) {
            if (Has(id))
                window.ShowControl(id, shown);
        }
        if (Has(IDC_LINKAGE_CH1_LABEL + c))
            dialog_.SetDlgItemText(IDC_LINKAGE_CH1_LABEL + c, ui::Format("%d", c + 1));
    }
    for (int k = 0; k < kMaxAlarmOutputs; ++k) {
        const bool shown = k < Outputs();
        for (int id : {IDC_LINKAGE_OUT1 + k, IDC_LINKAGE_OUT1_LABEL + k}) {
            if (Has(id))
                window.ShowControl(id, shown);
        }
        if (Has(IDC_LINKAGE_OUT1_LABEL + k))
            dialog_.SetDlgItemText(IDC_LINKAGE_OUT1_LABEL + k, ui::Format("%d", k + 1));
    }
}

void AlarmLinkageControls::Load(const AlarmLinkage& linkage) {
    for (const Enable& enable : kEnables)
        SetCheck(enable.id, linkage.*enable.byte != 0);
    for (int c = 0; c < Channels(); ++c) {
        SetCheck(IDC_LINKAGE_RECORD1 + c, linkage.recordChannels[c] != 0);
        SetCheck(IDC_LINKAGE_TOUR1 + c, linkage.tourChannels[c] != 0);
    }
    for (int k = 0; k < Outputs(); ++k)
        SetCheck(IDC_LINKAGE_OUT1 + k, (linkage.alarmOutMask >> k) & 1u);
    if (Has(IDC_LINKAGE_DELAY))
        dialog_.SetDlgItemText(IDC_LINKAGE_DELAY,
                               ui::Format("%d", int(linkage.recordDelaySeconds)));
    if (Has(IDC_LINKAGE_LATCH))
        dialog_.SetDlgItemText(IDC_LINKAGE_LATCH, ui::Format("%d", int(linkage.latchSeconds)));
}

void AlarmLinkageControls::Store(AlarmLinkage& linkage) const {
    for (const Enable& enable : kEnables) {
        if (Has(enable.id))
            linkage.*enable.byte = IsChecked(enable.id) ? 1 : 0;
    }
    for (int c = 0; c < Channels(); ++c) {
        if (Has(IDC_LINKAGE_RECORD1 + c))
            linkage.recordChannels[c] = IsChecked(IDC_LINKAGE_RECORD1 + c) ? 1 : 0;
        if (Has(IDC_LINKAGE_TOUR1 + c))
            linkage.tourChannels[c] = IsChecked(IDC_LINKAGE_TOUR1 + c) ? 1 : 0;
    }
    if (Has(IDC_LINKAGE_OUT1)) {
        std::uint32_t mask = 0;
        for (int k = 0; k < Outputs(); ++k) {
            if (IsChecked(IDC_LINKAGE_OUT1 + k))
                mask |= 1u << k;
        }
        linkage.alarmOutMask = mask;
    }
    // The edits hold 0 to 600; a text without leading digits reads as 0.
    if (Has(IDC_LINKAGE_DELAY))
        linkage.recordDelaySeconds =
            ui::IntegerFromText(dialog_.GetEdit(IDC_LINKAGE_DELAY).Text(), 0, kMaxSeconds);
    if (Has(IDC_LINKAGE_LATCH))
        linkage.latchSeconds =
            ui::IntegerFromText(dialog_.GetEdit(IDC_LINKAGE_LATCH).Text(), 0, kMaxSeconds);
}

void AlarmLinkageControls::EditPtz(device::PtzLinkEntry (&entries)[kMaxChannels]) {
    CPTZLinkDlg dialog(entries);
    dialog.DoModal(&dialog_);
}

AlarmLinkage AlarmLinkageControls::Defaults(int source) {
    AlarmLinkage linkage{};
    linkage.recordEnable = 1;
    if (source >= 0 && source < kMaxChannels) {
        linkage.recordChannels[source] = 1;
        linkage.tourChannels[source] = 1;
        // The output of the same number, also where the recorder has fewer outputs.
        linkage.alarmOutMask = 1u << source;
    }
    linkage.recordDelaySeconds = 10;
    linkage.latchSeconds = 10;
    return linkage;
}

bool AlarmLinkageControls::Has(int id) const {
    return dialog_.GetWindow().HasControl(id);
}

void AlarmLinkageControls::SetCheck(int id, bool checked) {
    if (Has(id))
        dialog_.GetButton(id).SetCheck(checked);
}

bool AlarmLinkageControls::IsChecked(int id) const {
    return dialog_.GetButton(id).IsChecked();
}
