// The configuration-file commands of the main window's system menu.
#include "window/ConfigFileMenu.h"

#include <algorithm>

#include "device/Utf8Field.h"
#include "pages/common/PageText.h"
#include "pages/common/RebootPrompt.h"
#include "records/ConfigMessage.h"
#include "records/SessionState.h"
#include "text/ConfigFileText.h"
#include "text/ProgressText.h"
#include "text/TextIds.h"
#include "ui/Styles.h"

namespace window {

namespace {

using records::Outcome;
using records::TransferResult;

const text::ConfigFileTexts& Texts() {
    return text::ConfigFileText(records::LanguageIndex);
}

std::u16string Widened(const std::string& text) {
    return device::DecodeUtf8Field(text.data(), text.size());
}

// The names with the language's separator between them.
std::u16string Listed(const std::vector<std::u16string>& names) {
    const char16_t* separator = text::ProgressText(records::LanguageIndex).pageSeparator;
    std::u16string list;
    for (const std::u16string& name : names)
        list += (list.empty() ? u"" : separator) + name;
    return list;
}

// A localised lead sentence, then what came of it on a paragraph of its own.
std::u16string WithReason(const char16_t* lead, const TransferResult& result) {
    return lead + (u"\n\n" + records::ConfigMessage(result, records::LanguageIndex));
}

// The paragraph naming the records of the file the user may not change, or nothing.
std::u16string NotAllowed(const TransferResult& result) {
    std::vector<std::u16string> names;
    for (const std::string& name : result.notAllowed)
        names.push_back(Widened(name));
    if (names.empty())
        return {};
    return u"\n\n" + (Texts().notAllowed + Listed(names) + Texts().stop);
}

}  // namespace

void ConfigFileMenu::Install(ConfigFiles* files, std::vector<Page> pages) {
    files_ = files;
    pages_ = std::move(pages);
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
    const TransferResult result = files_->Export(*path);
    const bool done = result.code == records::kConfigDone;
    Tell(done ? std::u16string(Texts().exported) : WithReason(Texts().exportFailed, result), done);
}

void ConfigFileMenu::Import() {
    const auto& texts = Texts();
    if (!marks_.MayReplaceEdits(texts.importWithoutSaving))
        return;
    const auto path = window_.FileDialog(Request(ui::FileDialogKind::Open));
    if (!path)
        return;
    const TransferResult check = files_->Check(*path);
    if (check.code < 0) {
        Tell(WithReason(texts.importRefused, check), false);
        return;
    }
    if (check.changed.empty()) {
        Tell(texts.importedNothing + NotAllowed(check), true);
        return;
    }
    if (window_.MessageBox(Preview(check), pages::Text(text::kTextInfo),
                           ui::kMbYesNo | ui::kMbIconExclamation) != ui::kIdYes)
        return;

    const ConfigFiles::Imported imported = files_->Import(*path);
    const TransferResult& result = imported.result;
    const bool restart = ShowChanges(imported);
    const std::u16string changed =
        u"\n\n" + (texts.pagesChanged + Listed(PagesShowing(result.changed)) + texts.stop);
    switch (result.outcome) {
        case Outcome::Imported:
            if (restart)
                pages::RebootPrompt();
            Tell(result.changed.empty()
                     ? texts.importedNothing + NotAllowed(result)
                     : texts.imported + Widened(std::to_string(result.changed.size())) + changed +
                           NotAllowed(result),
                 true);
            break;
        case Outcome::PutBack:
            Tell(WithReason(texts.importFailed, result), false);
            break;
        case Outcome::NotPutBack:
            Tell(WithReason(texts.importFailed, result) + changed + u"\n\n" +
                     texts.notSavedOnClosing,
                 false);
            break;
        case Outcome::SaveFailed:
            Tell(WithReason(texts.importFailed, result) + changed, false);
            break;
        default:
            // Checked, then refused: the file or the recorder changed in between.
            Tell(WithReason(texts.importRefused, result), false);
            break;
    }
}

std::vector<std::u16string> ConfigFileMenu::PagesShowing(
    const std::vector<records::RecordRef>& records) const {
    std::vector<std::u16string> names;
    std::vector<bool> named(records.size(), false);
    for (const Page& page : pages_) {
        bool shows = false;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const records::RecordRef& record = records[i];
            const auto& own = page.dialogRecords;
            if (page.page->Binds(record.id, record.channel) ||
                std::find(own.begin(), own.end(), record.id) != own.end()) {
                shows = true;
                named[i] = true;
            }
        }
        if (shows)
            names.emplace_back(pages::Text(page.page->TitleId()));
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!named[i])
            names.push_back(Widened(records::RecordLabel(records[i])));
    }
    return names;
}

std::u16string ConfigFileMenu::Preview(const TransferResult& check) const {
    const auto& texts = Texts();
    std::u16string text = texts.previewLead + Listed(PagesShowing(check.changed)) + texts.stop;
    if (check.otherRecorder && !check.cloned)
        text += u"\n\n" + std::u16string(texts.otherRecorder);
    return text + NotAllowed(check) + u"\n\n" + texts.importNow;
}

bool ConfigFileMenu::ShowChanges(const ConfigFiles::Imported& imported) {
    const std::vector<records::RecordRef>& changed = imported.result.changed;
    bool restart = false;
    for (const Page& page : pages_) {
        bool shows = false;
        for (std::size_t i = 0; i < changed.size() && i < imported.before.size(); ++i) {
            if (!page.page->Binds(changed[i].id, changed[i].channel))
                continue;
            shows = true;
            restart = restart || page.page->KeySettingsChangedSince(
                                     changed[i].id, changed[i].channel, imported.before[i]);
        }
        if (shows && page.page->HasWindow())
            page.page->ReloadFromCache();
    }
    return restart;
}

void ConfigFileMenu::Tell(const std::u16string& text, bool succeeded) {
    window_.MessageBox(text, pages::Text(text::kTextInfo),
                       ui::kMbOk | (succeeded ? ui::kMbIconInformation : ui::kMbIconExclamation));
}

}  // namespace window
