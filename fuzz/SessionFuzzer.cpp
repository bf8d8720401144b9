// libFuzzer target for a whole configuration session on the headless backend. The input shapes
// the simulated recorder (counts beyond the data model, damaged records, the PTZ protocol
// list, device calls that fail and scribble over their buffers) and then plays the operator:
// tree nodes, clicks, list picks, typing and pasting, addresses, dates, clock ticks, answers
// to message boxes, sub-dialogs confirmed or cancelled. Before that, a session on the same
// recorder only shows every page and closes, which must never ask about edits. A session must
// end with no window and no graphics object left and no control addressed that its template
// lacks; the sanitizers catch everything else.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "session/ConfigSession.h"
#include "dll/Entries.h"
#include "records/RecordTable.h"
#include "records/SessionState.h"
#include "device/ZelDispNames.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/PageTour.h"
#include "fuzz/SessionScript.h"
#include "window/CMainDlg.h"
#include "sim/Defaults.h"
#include "sim/RecordImage.h"
#include "sim/SimApi.h"
#include "ui/Backend.h"
#include "ui/GraphicsObject.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using fuzz::FuzzInput;

constexpr const char* kUsers[] = {"admin", "no-network", "no-info", "guest"};

// A count as a recorder may report it: mostly plausible, sometimes far outside the model.
std::int32_t Count(FuzzInput& in) {
    const std::uint8_t b = in.Byte();
    if (b >= 0xF0)
        return b == 0xFF ? -1000 : 1000 + b;
    return std::int32_t(b % 24) - 4;
}

// Damages the recorder's records as the input says: a few bytes of chosen records.
void ShapeRecords(ZelHandle handle, FuzzInput& in) {
    static device::RecordSet defaults = [] {
        device::RecordSet state{};
        sim::Defaults::Fill(state);
        return state;
    }();
    device::RecordSet state = defaults;
    const auto rows = records::Rows();
    const int patches = in.Byte() % 16;
    for (int i = 0; i < patches; ++i) {
        const auto image = sim::RecordImage(rows[std::size_t(in.Below(int(rows.size())))], state);
        const std::uint8_t length = in.Byte() % 8 + 1;
        const std::size_t offset = std::size_t(in.Long()) % image.size();
        for (std::uint8_t k = 0; k < length && offset + k < image.size(); ++k)
            image[offset + k] = in.Byte();
    }
    for (const records::RecordRow& row : rows) {
        const auto image = sim::RecordImage(row, state);
        zsimSetRecord(handle, row.name, image.data(), std::int32_t(image.size()));
    }
    // One after the other: the order of a call's arguments is the compiler's choice.
    const std::int32_t channels = Count(in);
    const std::int32_t alarmInputs = Count(in);
    const std::int32_t alarmOutputs = Count(in);
    zsimSetCounts(handle, channels, alarmInputs, alarmOutputs);
    if (in.Byte() & 1) {
        std::string list;
        const int length = in.Below(300);
        for (int i = 0; i < length; ++i) {
            // Separators often enough to make entries, digits for their codes.
            const std::uint8_t b = in.Byte();
            list += b < 24    ? '|'
                    : b < 48  ? '='
                    : b < 120 ? char('0' + b % 10)
                              : char(b % 0x5F + 0x20);
        }
        zsimSetProtocolList(handle, list.c_str());
    }
}

// A device call that fails, some times or always, perhaps after writing garbage.
struct Failure {
    std::string name;
    std::int32_t times;  // -1 = always
    std::int32_t scribble;
};

// Device calls that fail, some after writing garbage into their buffers.
std::vector<Failure> ReadFailures(FuzzInput& in) {
    std::vector<Failure> failures;
    const int count = in.Byte() % 4;
    for (int i = 0; i < count; ++i) {
        const std::string name(device::kZelDispFunctionNames[std::size_t(
            in.Below(int(device::kZelDispFunctionNames.size())))]);
        const std::int32_t times = std::int32_t(in.Byte() % 4) - 1;
        const std::uint8_t scribble = in.Byte();
        failures.push_back({name, times == 0 ? 1 : times, scribble < 0x80 ? -1 : scribble});
    }
    return failures;
}

// Plans the failures afresh; the functions are kept, so that the next input clears them.
void PlanFailures(ZelHandle handle, const std::vector<Failure>& failures,
                  std::vector<std::string>& failing) {
    for (const Failure& failure : failures) {
        zsimFail(handle, failure.name.c_str(), failure.times, failure.scribble);
        failing.push_back(failure.name);
    }
}

// One recorder for every input: each input sets all of its records again, and the failures,
// the protocol list and the call log of the input before are undone.
ZelHandle Recorder(std::vector<std::string>& failing) {
    static const ZelHandle handle = [] {
        char error[128];
        return zsimOpen(nullptr, error, sizeof error);
    }();
    static const std::string protocols = sim::Defaults::PtzProtocolList();
    for (const std::string& name : failing)
        zsimFail(handle, name.c_str(), 0, -1);
    failing.clear();
    zsimSetProtocolList(handle, protocols.c_str());
    zsimClearLog(handle);
    return handle;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// One session through the entry the input chose, its operator set up by operate.
void RunSession(ZelHandle handle, std::uint8_t entry,
                const std::function<void(ui::headless::HeadlessBackend&)>& operate) {
    records::ResetSessionForTests();
    ResetMainDialogFontForTests();
    session::SetMainDialogRunner(nullptr);
    ui::headless::HeadlessBackend backend;
    backend.PinLocalNow(ui::DateTimeValue{2024, 2, 29, 23, 59, 58});
    ui::SetBackend(&backend);
    operate(backend);

    const std::uint32_t language = entry % 4;
    if (entry & 0x80) {
        zelInitConfigEx(handle, language, 0, zsimUserId(kUsers[(entry >> 2) % 4]));
    } else {
        zelInitConfig(handle, language);
    }

    // Nothing is left behind, and every control a dialog addressed is in its template.
    backend.SetScript(nullptr);
    Check(backend.Windows().empty());
    Check(backend.Misuses().empty());
    ui::SetBackend(nullptr);
    ResetMainDialogFontForTests();
    Check(ui::GraphicsObject::LiveCount() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    static std::vector<std::string> failing;
    const ZelHandle handle = Recorder(failing);
    Check(handle != 0);
    ShapeRecords(handle, in);
    const std::vector<Failure> failures = ReadFailures(in);
    const std::uint8_t entry = in.Byte();

    // Showing every page and closing finds no edits; then the same recorder, its failures
    // planned afresh, meets the scripted operator.
    PlanFailures(handle, failures, failing);
    bool asked = false;
    RunSession(handle, entry, [&asked](ui::headless::HeadlessBackend& backend) {
        auto tour = std::make_shared<fuzz::PageTour>(backend);
        backend.SetScript([tour, &asked] {
            const bool more = tour->Step();
            asked = asked || tour->Asked();
            return more;
        });
    });
    Check(!asked);

    PlanFailures(handle, failures, failing);
    zsimClearLog(handle);
    RunSession(handle, entry, [&in](ui::headless::HeadlessBackend& backend) {
        auto script = std::make_shared<fuzz::SessionScript>(backend, in);
        backend.SetScript([script] { return script->Step(); });
    });
    return 0;
}
