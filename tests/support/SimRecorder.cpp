// A simulated recorder opened for one test, with readers of its call log.
#include "tests/support/SimRecorder.h"

#include <stdexcept>

#include "device/ZelDispNames.h"

namespace testsupport {

SimRecorder::SimRecorder(const std::string& statePath) {
    char error[512] = {};
    handle_ = zsimOpen(statePath.c_str(), error, sizeof error);
    if (handle_ == 0)
        throw std::runtime_error(std::string("cannot open recorder: ") + error);
}

SimRecorder::~SimRecorder() {
    zsimClose(handle_);
}

std::vector<LoggedCall> SimRecorder::Log() const {
    std::vector<LoggedCall> calls;
    const std::int32_t size = zsimLogSize(handle_);
    for (std::int32_t i = 0; i < size; ++i) {
        const char* function = nullptr;
        const std::uint8_t* bytes = nullptr;
        std::int32_t argument = -1, byteCount = 0;
        if (zsimLogEntry(handle_, i, &function, &argument, &bytes, &byteCount) < 0)
            break;
        LoggedCall call{function ? function : "", argument, {}};
        if (bytes && byteCount > 0)
            call.bytes.assign(bytes, bytes + byteCount);
        calls.push_back(std::move(call));
    }
    return calls;
}

std::vector<std::string> SimRecorder::LoggedFunctions() const {
    std::vector<std::string> names;
    for (const LoggedCall& call : Log())
        names.push_back(call.function);
    return names;
}

void SimRecorder::FailEveryGet(std::int32_t scribble) {
    for (std::string_view name : device::kZelDispFunctionNames) {
        if (name.ends_with("Get"))
            zsimFail(handle_, std::string(name).c_str(), -1, scribble);
    }
}

}  // namespace testsupport
