// Lookup of texts by language and id in both tables.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "text/LangTable.h"
#include "text/LangText.h"
#include "text/LongTextTable.h"
#include "text/TextIds.h"

namespace {

using namespace text;

constexpr std::uint32_t kAllLanguages[] = {0, 1, 2, 3, 4, 7, 0xFFFFFFFF};

std::uint32_t Column(std::uint32_t language) {
    return language > kColumnPortuguese ? kColumnEnglish : language;
}

TEST(LangText, test_every_row_found_by_its_id_in_every_language) {
    for (std::size_t i = 0; i < kLangRowCount; ++i) {
        const LangRow& row = LangTable[i];
        for (std::uint32_t language : kAllLanguages) {
            EXPECT_EQ(LangText(language, row.id), row.text[Column(language)])
                << "id 0x" << std::hex << row.id << " language " << language;
        }
    }
}

TEST(LangText, test_unknown_id_gives_no_text_in_either_table) {
    // 0x5DA and 0x5DF live in the long-text table; the terminator's id is no text either.
    for (std::uint32_t id : {0u, 0x4FFu, 0x5DAu, 0x5DDu, 0x5DFu, 0x5F1u, kTerminatorId}) {
        for (std::uint32_t language : kAllLanguages) {
            EXPECT_EQ(LangText(language, id), nullptr) << "id 0x" << std::hex << id;
            if (id != 0x5DA && id != 0x5DF) {
                EXPECT_EQ(LongText(language, id), nullptr) << "id 0x" << std::hex << id;
            }
        }
    }
}

TEST(LongText, test_lookup) {
    for (const std::uint32_t id : {kTextConfigInPtz, kTextRebootQuestion}) {
        for (std::uint32_t language : kAllLanguages) {
            const char16_t* s = LongText(language, id);
            ASSERT_NE(s, nullptr) << "id 0x" << std::hex << id << " language " << language;
            const LongTextRow& row = LongTextTable[id == kTextConfigInPtz ? 0 : 1];
            EXPECT_EQ(s, row.text[Column(language)]);
        }
    }
}

}  // namespace
