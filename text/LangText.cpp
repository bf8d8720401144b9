// Lookup of a UI text: a linear scan from the first row up to the terminator.
#include "text/LangText.h"

#include "text/LangTable.h"
#include "text/LongTextTable.h"

namespace text {

namespace {

template <typename Row>
const char16_t* FindText(const Row* rows, std::uint32_t language, std::uint32_t id) {
    if (language > kColumnPortuguese) {
        language = kColumnEnglish;
    }
    for (const Row* row = rows; row->id != kTerminatorId; ++row) {
        if (row->id == id) {
            return row->text[language];
        }
    }
    return nullptr;
}

}  // namespace

const char16_t* LangText(std::uint32_t language, std::uint32_t id) {
    return FindText(LangTable, language, id);
}

const char16_t* LongText(std::uint32_t language, std::uint32_t id) {
    return FindText(LongTextTable, language, id);
}

}  // namespace text
