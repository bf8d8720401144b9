// The library's application object.
#include "dll/CRavelinApp.h"

namespace app {

bool CRavelinApp::InitInstance() {
    return true;
}

}  // namespace app
