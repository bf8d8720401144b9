// The library's application object.
#include "app/CRavelinApp.h"

namespace app {

bool CRavelinApp::InitInstance() {
    return true;
}

}  // namespace app
