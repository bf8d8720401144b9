// The backend in use.
#include "ui/Backend.h"

#include <cassert>

namespace ui {
namespace {

Backend* current = nullptr;

}  // namespace

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
