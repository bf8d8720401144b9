// The shared question whether the recorder shall restart now.
#include "pages/common/RebootPrompt.h"

#include "records/Recorder.h"
#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "text/TextIds.h"
#include "ui/Backend.h"
#include "ui/Styles.h"

namespace pages {

void RebootPrompt() {
    const int answer = ui::CurrentBackend().DesktopMessageBox(
        LongText(text::kTextRebootQuestion), Text(text::kTextInfo),
        ui::kMbYesNo | ui::kMbIconExclamation);
    if (answer != ui::kIdYes)
        return;
    records::MakePermanent();
    records::Restart();
    records::RebootIssued = 1;
}

}  // namespace pages
