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

// Also catches an id used twice: the lookup finds only the first of its rows.
template <typename Row, std::size_t N>
void ExpectEveryRowFound(const Row (&table)[N],
                         const char16_t* (*lookup)(std::uint32_t, std::uint32_t)) {
    for (std::size_t i = 0; i + 1 < N; ++i) {
        for (std::uint32_t language : kAllLanguages) {
            EXPECT_EQ(lookup(language, table[i].id), table[i].text[Column(language)])
                << "id 0x" << std::hex << table[i].id << " language " << language;
        }
    }
}

TEST(LangText, test_every_row_found_by_its_id_in_every_language) {
    ExpectEveryRowFound(LangTable, LangText);
    ExpectEveryRowFound(LongTextTable, LongText);
    EXPECT_NE(LongText(kColumnEnglish, kTextConfigInPtz), nullptr);
    EXPECT_NE(LongText(kColumnEnglish, kTextRebootQuestion), nullptr);
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

}  // namespace
