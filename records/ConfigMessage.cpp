// What came of an export or import, said to a person.
#include "records/ConfigMessage.h"

#include <vector>

#include "device/Utf8Field.h"
#include "text/ConfigMessageText.h"

namespace records {
namespace {

std::u16string Wide(const std::string& text) {
    return device::DecodeUtf8Field(text.data(), text.size());
}

std::u16string Joined(const std::vector<std::string>& names, const char16_t* separator) {
    std::u16string text;
    for (const std::string& name : names)
        text += (text.empty() ? u"" : separator) + Wide(name);
    return text;
}

void Replace(std::u16string& text, std::u16string_view name, const std::u16string& value) {
    for (std::size_t at = text.find(name); at != std::u16string::npos;
         at = text.find(name, at + value.size()))
        text.replace(at, name.size(), value);
}

// The reason of a refusal without the place the message starts with.
std::string Detail(const TransferResult& result) {
    const std::string prefix = result.where + ": ";
    if (!result.where.empty() && result.message.rfind(prefix, 0) == 0)
        return result.message.substr(prefix.size());
    return result.message;
}

std::vector<std::string> Labels(const std::vector<RecordRef>& records) {
    std::vector<std::string> labels;
    for (const RecordRef& record : records)
        labels.push_back(RecordLabel(record));
    return labels;
}

std::vector<std::string> FieldNames(const std::vector<config::FieldChange>& fields) {
    std::vector<std::string> names;
    for (const config::FieldChange& field : fields)
        names.push_back(field.field);
    return names;
}

// The sentence's main part for the outcome, its placeholders not yet filled.
const char16_t* MainPart(const TransferResult& result, const text::ConfigMessageTexts& t) {
    const std::size_t count = result.changed.size();
    switch (result.outcome) {
        case Outcome::Exported:
            return t.exported;
        case Outcome::Imported:
            return count == 0 ? t.alreadyHeld : count == 1 ? t.importedOne : t.imported;
        case Outcome::Checked:
            return count == 0 ? t.checkedNothing : count == 1 ? t.checkedOne : t.checked;
        case Outcome::Busy:
            return t.busy;
        case Outcome::BadArgument:
            return t.badArgument;
        case Outcome::ReadFailed:
            return result.import ? t.readFailedImport : t.readFailedExport;
        case Outcome::FileUnreadable:
            return t.fileUnreadable;
        case Outcome::FileUnwritable:
            return t.fileUnwritable;
        case Outcome::FileTooLarge:
            return t.fileTooLarge;
        case Outcome::NotJson:
            return t.notJson;
        case Outcome::TrailingBytes:
            return t.trailingBytes;
        case Outcome::NotOurs:
            return t.notOurs;
        case Outcome::NewerFormat:
            return t.newerFormat;
        case Outcome::Truncated:
            return t.truncated;
        case Outcome::OutOfRange:
            return t.outOfRange;
        case Outcome::WrongType:
            return t.wrongType;
        case Outcome::UnknownField:
            return t.unknownField;
        case Outcome::DuplicateName:
            return t.duplicateName;
        case Outcome::Counts:
            return t.counts;
        case Outcome::PutBack:
            return t.putBack;
        case Outcome::NotPutBack:
            return t.notPutBack;
        case Outcome::SaveFailed:
            return count == 1 ? t.saveFailedOne : t.saveFailed;
        case Outcome::Failed:
            break;
    }
    return t.failed;
}

// Whether the sentence goes on to name what an import left alone.
bool SaysWhatStays(const TransferResult& result) {
    return result.outcome == Outcome::Imported || result.outcome == Outcome::Checked ||
           result.outcome == Outcome::SaveFailed;
}

}  // namespace

std::u16string ConfigMessage(const TransferResult& result, std::uint32_t language) {
    const text::ConfigMessageTexts& t = text::ConfigMessageText(language);
    std::u16string sentence = MainPart(result, t);
    if (SaysWhatStays(result) && !result.notAllowed.empty())
        sentence += t.notAllowed;
    if (SaysWhatStays(result) && !result.kept.empty())
        sentence += t.kept;
    sentence += t.stop;

    const std::size_t count = result.outcome == Outcome::FileTooLarge
                                  ? std::size_t(kLargestConfigFile >> 20)
                                  : result.changed.size();
    Replace(sentence, u"{n}", Wide(std::to_string(count)));
    Replace(sentence, u"{record}", result.where.empty() ? t.userRights : Wide(result.where));
    Replace(
        sentence, u"{records}",
        Joined(result.outcome == Outcome::NotPutBack ? Labels(result.changed) : result.notAllowed,
               t.listSeparator));
    Replace(sentence, u"{fields}", Joined(FieldNames(result.kept), t.listSeparator));
    Replace(sentence, u"{detail}", Wide(Detail(result)));
    // Last: the place comes from the file and may hold anything.
    Replace(sentence, u"{where}", Wide(result.where));
    return sentence;
}

std::u16string ConfigChangeLines(const TransferResult& result, std::uint32_t language) {
    if (result.outcome != Outcome::Checked)
        return {};
    const text::ConfigMessageTexts& t = text::ConfigMessageText(language);
    std::u16string lines;
    for (const config::FieldChange& change : result.fields) {
        if (!lines.empty())
            lines += u'\n';
        lines += Wide(change.field) + u": ";
        lines += change.secret ? std::u16string(t.secretChanged)
                               : Wide(change.before) + u" -> " + Wide(change.after);
    }
    return lines;
}

}  // namespace records
