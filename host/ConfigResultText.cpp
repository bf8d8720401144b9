// What the demo host prints for the result of a configuration-file entry.
#include "host/ConfigResultText.h"

#include "config/ConfigDocument.h"
#include "config/ConfigError.h"
#include "include/Ravelin.h"
#include "records/RecordTable.h"

namespace host {
namespace {

// The record held once at this step of the reading (from 1), as a failing send names it.
const char* RecordAtStep(std::int32_t step) {
    for (const records::RecordRow& row : records::Rows()) {
        if (!row.perChannel && --step == 0)
            return row.name;
    }
    return nullptr;
}

std::string SendFailure(std::int32_t result) {
    const std::string tail = " failed; later records were not sent, nothing was made permanent";
    if (result <= RAVELIN_CONFIG_SEND_CRUISE_FAILED &&
        result > RAVELIN_CONFIG_SEND_CRUISE_FAILED - 16)
        return "sending the cruise of channel " +
               std::to_string(RAVELIN_CONFIG_SEND_CRUISE_FAILED - result + 1) + tail;
    if (result <= RAVELIN_CONFIG_SEND_PRESETS_FAILED &&
        result > RAVELIN_CONFIG_SEND_PRESETS_FAILED - 16)
        return "sending the presets of channel " +
               std::to_string(RAVELIN_CONFIG_SEND_PRESETS_FAILED - result + 1) + tail;
    const std::int32_t step = RAVELIN_CONFIG_SEND_FAILED - result;
    if (const char* record = step >= 1 ? RecordAtStep(step) : nullptr)
        return std::string("sending the ") + record + " record" + tail;
    return "failed (" + std::to_string(result) + ")";
}

}  // namespace

std::string ConfigResultText(std::int32_t result, bool import) {
    if (result >= 0) {
        if (!import)
            return "configuration written";
        return result == 0 ? "nothing to send: the recorder already holds this configuration"
                           : std::to_string(result) + (result == 1 ? " record" : " records") +
                                 " sent and made permanent";
    }
    switch (result) {
        case RAVELIN_CONFIG_BUSY:
            return "refused: a configuration window is open";
        case RAVELIN_CONFIG_BAD_ARGUMENT:
            return "refused: no file, or unknown flags";
        case RAVELIN_CONFIG_READ_FAILED:
            return import ? "reading the recorder failed; nothing was sent"
                          : "reading the recorder failed; no file was written";
        case RAVELIN_CONFIG_FILE_UNREADABLE:
            return "the file cannot be read";
        case RAVELIN_CONFIG_FILE_UNWRITABLE:
            return "the file cannot be written";
        case RAVELIN_CONFIG_NOT_OURS:
            return "refused: not a recorder configuration file";
        case RAVELIN_CONFIG_NEWER_FORMAT:
            return "refused: the file is of a newer format version";
        case RAVELIN_CONFIG_TRUNCATED:
            return "refused: the file is cut short";
        case RAVELIN_CONFIG_OUT_OF_RANGE:
            return "refused: a value does not fit its field";
        case RAVELIN_CONFIG_WRONG_TYPE:
            return "refused: a value is of the wrong kind";
        case RAVELIN_CONFIG_UNKNOWN_FIELD:
            return "refused: the file names a field no record has";
        case RAVELIN_CONFIG_COUNTS:
            return "refused: more channels or entries than the recorder has";
        case RAVELIN_CONFIG_FAILED:
            return "failed (out of memory?)";
        default:
            return SendFailure(result);
    }
}

std::string ConfigRefusalDetail(std::string_view fileText) {
    try {
        config::ConfigDocument::Parse(fileText, records::FormatsOf());
    } catch (const config::ConfigError& e) {
        // Faults of the whole file are said by the result already.
        return e.where().empty() ? std::string() : e.what();
    }
    return {};
}

}  // namespace host
