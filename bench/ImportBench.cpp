// Figures of an import of a configuration file onto a 16-channel simulated recorder, printed:
// the whole import, the device's part of it (the calls made, the reading of the recorder and the
// sends, each at the time one call takes, measured beside) and the import's own time, the rest;
// with no latency and with 10 ms per call, for a file the recorder already holds and for one
// that changes every record.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "records/ConfigTransfer.h"
#include "device/ZelDisp.h"
#include "records/RecordTable.h"
#include "sim/SimApi.h"

namespace {

using Clock = std::chrono::steady_clock;

// Every record that an import sends, replaced with noise.
void Scramble(ZelHandle handle, std::mt19937& random) {
    for (const records::RecordRow& row : records::Rows()) {
        if (row.ReadOnly())
            continue;
        std::vector<std::uint8_t> bytes(row.size * (row.perChannel ? device::kMaxChannels : 1));
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        zsimSetRecord(handle, row.name, bytes.data(), std::int32_t(bytes.size()));
    }
}

// Three settings an operator changed since the back-up: the General page's file length, the
// NTP server and the preferred DNS server.
void ChangeAFew(ZelHandle handle) {
    device::NormalRecord normal;
    device::NtpRecord ntp;
    device::NetRecord net;
    zelDispHisiNewMenuNormalGet(handle, &normal);
    zelDispHisiNewMenuNTPGet(handle, &ntp);
    zelDispHisiNewMenuNetGet(handle, &net);
    normal.packMinutes = 30;
    std::snprintf(ntp.server, sizeof ntp.server, "time.example.org");
    net.preferredDns = 0x01010101;
    zsimSetRecord(handle, "Normal", &normal, sizeof normal);
    zsimSetRecord(handle, "NTP", &ntp, sizeof ntp);
    zsimSetRecord(handle, "Net", &net, sizeof net);
}

enum class Change { None, AFew, Everything };

struct Figures {
    double total = 0;   // median of the runs, ms
    double device = 0;  // the device's part of that run
    int calls = 0;
    int sent = 0;
};

// What one device call takes at the recorder's latency, sleeping included: the median of a few.
double CallTime(ZelHandle handle) {
    std::vector<double> times;
    device::NormalRecord normal;
    for (int i = 0; i < 21; ++i) {
        const auto start = Clock::now();
        zelDispHisiNewMenuNormalGet(handle, &normal);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Figures Imports(ZelHandle handle, const std::filesystem::path& file, int latency, Change change,
                std::uint32_t flags, int runs) {
    std::mt19937 random(1);
    std::vector<Figures> all;
    for (int run = 0; run < runs; ++run) {
        zsimSetLatency(handle, 0);
        if (change == Change::AFew)
            ChangeAFew(handle);
        if (change == Change::Everything)
            Scramble(handle, random);
        zsimSetLatency(handle, latency);
        const double call = CallTime(handle);
        zsimClearLog(handle);
        const auto start = Clock::now();
        const records::TransferResult result =
            records::ImportConfig(handle, file, std::nullopt, flags);
        const double total =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        const int calls = zsimLogSize(handle);
        all.push_back({total, calls * call, calls, result.code});
    }
    std::sort(all.begin(), all.end(),
              [](const Figures& a, const Figures& b) { return a.total < b.total; });
    return all[all.size() / 2];
}

void Print(const char* what, int latency, const Figures& f) {
    std::printf(
        "  %-34s %2d ms/call: %6.1f ms in all, device %6.1f ms (%2d calls), own %5.1f ms"
        " (%d records)\n",
        what, latency, f.total, f.device, f.calls, f.total - f.device, f.sent);
}

}  // namespace

int main() {
    char error[256];
    const ZelHandle handle = zsimOpen(nullptr, error, sizeof error);
    if (!handle || zsimSetCounts(handle, 16, 16, 4) != 0) {
        std::fprintf(stderr, "ImportBench: the simulated recorder did not open: %s\n", error);
        return 1;
    }
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "ravelin-import-bench.json";
    if (records::ExportConfig(handle, file, std::nullopt, records::kExportSecrets).code != 0) {
        std::fprintf(stderr, "ImportBench: cannot write %s\n", file.string().c_str());
        return 1;
    }
    std::printf("import of a whole export, 16 channels (%ju bytes), median of the runs\n",
                std::uintmax_t(std::filesystem::file_size(file)));
    for (const int latency : {0, 10}) {
        const int runs = latency == 0 ? 50 : 5;
        const auto print = [&](const char* what, Change change, std::uint32_t flags) {
            Print(what, latency, Imports(handle, file, latency, change, flags, runs));
        };
        print("the recorder already holds it", Change::None, 0);
        print("three fields differ", Change::AFew, 0);
        print("every record differs", Change::Everything, 0);
        print("check only, three fields differ", Change::AFew, records::kImportCheckOnly);
        print("check only, every field differs", Change::Everything, records::kImportCheckOnly);
    }
    std::filesystem::remove(file);
    zsimClose(handle);
    return 0;
}
