// The configuration-file commands of the main window's system menu.
#include "window/ConfigFileMenu.h"

#include "records/SessionState.h"
#include "device/Utf8Field.h"
#include "pages/common/PageText.h"
#include "text/ConfigFileText.h"
#include "text/TextIds.h"
#include "ui/Styles.h"

namespace window {

namespace {

const text::ConfigFileTexts& Texts() {
    return text::ConfigFileText(records::LanguageIndex);
}

// The reasons are English in UTF-8 (they may quote a file's text).
std::u16string Widened(const std::string& text) {
    return device::DecodeUtf8Field(text.data(), text.size());
}

// A localised lead sentence, then the reason on a line of its own.
std::u16string WithReason(const char16_t* lead, const std::string& reason) {
    std::u16string text = lead;
    if (!reason.empty())
        text += u"\n\n" + Widened(reason);
    return text;
}

}  // namespace

void ConfigFileMenu::Install(ConfigFiles* files) {
    files_ = files;
    if (!files_)
        return;
    window_.AppendSystemMenuItem(0, {});
    window_.AppendSystemMenuItem(kExportCommand, Texts().exportItem);
    window_.AppendSystemMenuItem(kImportCommand, Texts().importItem);
}

bool ConfigFileMenu::OnSysCommand(int id) {
    if (!files_)
        return false;
    if (id == kExportCommand)
        Export();
    else if (id == kImportCommand)
        Import();
    else
        return false;
    return true;
}

ui::FileDialogRequest ConfigFileMenu::Request(ui::FileDialogKind kind) const {
    const auto& texts = Texts();
    return {kind, kind == ui::FileDialogKind::Save ? texts.exportTitle : texts.importTitle,
            texts.filter, u"*.json", u"json"};
}

void ConfigFileMenu::Export() {
    const auto path = window_.FileDialog(Request(ui::FileDialogKind::Save));
    if (!path)
        return;
    const ConfigFiles::Result result = files_->Export(*path);
    Tell(result.outcome == ConfigFiles::Outcome::Done
             ? std::u16string(Texts().exported)
             : WithReason(Texts().exportFailed, result.reason));
}

void ConfigFileMenu::Import() {
    const auto path = window_.FileDialog(Request(ui::FileDialogKind::Open));
    if (!path)
        return;
    const ConfigFiles::Result result = files_->Import(*path);
    const auto& texts = Texts();
    // A refused file changed nothing, so the pages keep what they show, edits included.
    if (result.outcome != ConfigFiles::Outcome::Refused)
        reloadPages_();
    switch (result.outcome) {
        case ConfigFiles::Outcome::Done:
            Tell(result.sent == 0 ? std::u16string(texts.importedNothing)
                                  : texts.imported + Widened(std::to_string(result.sent)));
            break;
        case ConfigFiles::Outcome::Refused:
            Tell(WithReason(texts.importRefused, result.reason));
            break;
        case ConfigFiles::Outcome::FailedPartway:
            Tell(WithReason(texts.importFailed, result.reason));
            break;
    }
}

void ConfigFileMenu::Tell(const std::u16string& text) {
    window_.MessageBox(text, pages::Text(text::kTextInfo), ui::kMbOk | ui::kMbIconExclamation);
}

}  // namespace window
