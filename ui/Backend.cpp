// The backend in use.
#include "ui/Backend.h"

#include <cassert>

namespace ui {
namespace {

Backend* current = nullptr;

}  // namespace

std::chrono::milliseconds Backend::SteadyNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

Backend& CurrentBackend() {
    assert(current && "no dialog backend installed");
    return *current;
}

bool HasBackend() {
    return current != nullptr;
}

void SetBackend(Backend* backend) {
    current = backend;
}

}  // namespace ui
