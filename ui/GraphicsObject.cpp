// Counting of live graphics objects.
#include "ui/GraphicsObject.h"

#include <atomic>

namespace ui {
namespace {

std::atomic<int> liveObjects{0};

}  // namespace

GraphicsObject::GraphicsObject() {
    ++liveObjects;
}

GraphicsObject::~GraphicsObject() {
    --liveObjects;
}

int GraphicsObject::LiveCount() {
    return liveObjects;
}

}  // namespace ui
