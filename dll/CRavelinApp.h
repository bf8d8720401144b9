// The library's application object. It keeps no state of its own.
#pragma once

namespace dll {

class CRavelinApp {
  public:
    // Runs the base initialisation and reports success.
    bool InitInstance();
};

}  // namespace dll
