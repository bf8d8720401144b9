// The window's configuration-file commands for the open session.
#include "session/SessionConfigFiles.h"

#include <filesystem>

#include "records/DeviceHandle.h"
#include "records/SessionImport.h"
#include "records/SessionState.h"

namespace session {

records::TransferResult SessionConfigFiles::Export(const std::u16string& path) {
    return records::ExportConfigWithRights(records::DeviceHandle, std::filesystem::path(path),
                                           records::UserRights, 0);
}

records::TransferResult SessionConfigFiles::Check(const std::u16string& path) {
    return records::CheckImportIntoSession(std::filesystem::path(path), 0);
}

window::ConfigFiles::Imported SessionConfigFiles::Import(const std::u16string& path) {
    Imported imported;
    imported.result = records::ImportIntoSession(std::filesystem::path(path), 0, imported.before);
    return imported;
}

}  // namespace session
