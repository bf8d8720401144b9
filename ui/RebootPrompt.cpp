// The shared question whether the recorder shall restart now.
#include "ui/RebootPrompt.h"

#include "app/Session.h"
#include "device/ZelDisp.h"
#include "text/TextIds.h"
#include "ui/Backend.h"
#include "ui/Styles.h"
#include "ui/Texts.h"

namespace ui {

void RebootPrompt() {
    const int answer =
        CurrentBackend().DesktopMessageBox(LongTextOf(text::kTextRebootQuestion),
                                           Text(text::kTextInfo), kMbYesNo | kMbIconExclamation);
    if (answer != kIdYes)
        return;
    zelDispSaveMenu(app::DeviceHandle);
    zelDispRebootDVR(app::DeviceHandle);
    app::RebootIssued = 1;
}

}  // namespace ui
