// The library's application object.
#include "dll/CRavelinApp.h"

namespace dll {

bool CRavelinApp::InitInstance() {
    return true;
}

}  // namespace dll
