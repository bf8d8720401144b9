// Writes the seed corpus of the configuration-file fuzzer into the given directory: real
// exports of simulated recorders (the default one, and one with no channels seen by a user
// without the network right). The committed corpus adds small.json, the default export with
// a few records only, which mutations get through faster.
#include <cstdio>
#include <filesystem>

#include "records/ConfigTransfer.h"
#include "sim/SimApi.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    char error[256] = {};
    const ZelHandle recorder = zsimOpen(nullptr, error, sizeof error);
    if (recorder == 0) {
        std::fprintf(stderr, "%s\n", error);
        return 1;
    }
    // The default recorder, then one with no channels seen by a user without the network
    // right, asking for the passwords it may not see.
    bool ok = records::ExportConfig(recorder, dir / "default.json", std::nullopt, 0).code == 0;
    zsimSetCounts(recorder, 0, 4, 1);
    ok = ok && records::ExportConfig(recorder, dir / "no-channels.json", zsimUserId("no-network"),
                                     records::kExportSecrets)
                       .code == 0;
    zsimClose(recorder);
    if (!ok) {
        std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
