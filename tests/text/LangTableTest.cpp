// Invariants of the two text tables: layout, ids, text bounds, texts present in every language
// and captions the tree can tell apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

#include "text/LangTable.h"
#include "text/LangText.h"
#include "text/LongTextTable.h"
#include "text/TextIds.h"

namespace {

using namespace text;

constexpr std::uint32_t kLanguages[] = {kColumnChinese, kColumnEnglish, kColumnPortuguese};

// Length of a column's text; the column's width when it holds no terminator.
template <std::size_t N>
std::size_t UnitsUntilZero(const char16_t (&column)[N]) {
    return std::find(column, column + N, u'\0') - column;
}

template <std::size_t N>
bool PaddedWithZeros(const char16_t (&column)[N]) {
    return std::all_of(column + UnitsUntilZero(column), column + N,
                       [](char16_t c) { return c == u'\0'; });
}

std::string Hex(std::uint32_t id) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", id);
    return buffer;
}

TEST(LangTable, test_ids_unique_and_in_range_then_one_terminator) {
    std::set<std::uint32_t> seen;
    for (std::size_t i = 0; i < kLangRowCount; ++i) {
        const std::uint32_t id = LangTable[i].id;
        EXPECT_TRUE(id >= 0x500u && id <= 0x5F0u) << "row " << i << ": " << Hex(id);
        EXPECT_TRUE(seen.insert(id).second) << Hex(id) << " occurs twice";
    }
    EXPECT_EQ(LangTable[kLangRowCount].id, kTerminatorId);
    for (const auto& column : LangTable[kLangRowCount].text)
        EXPECT_EQ(UnitsUntilZero(column), 0u);
}

TEST(LangTable, test_texts_fit_their_columns) {
    for (const LangRow& row : LangTable) {
        for (std::size_t k = 0; k < kColumnCount; ++k) {
            EXPECT_LE(UnitsUntilZero(row.text[k]), kLangTextUnits - 1)
                << Hex(row.id) << " column " << k;
            EXPECT_TRUE(PaddedWithZeros(row.text[k])) << Hex(row.id) << " column " << k;
        }
        EXPECT_EQ(UnitsUntilZero(row.text[kColumnUnused]), 0u) << Hex(row.id);
    }
}

// Only the week prefix is empty, and only outside Chinese.
TEST(LangTable, test_texts_present) {
    for (std::size_t i = 0; i < kLangRowCount; ++i) {
        const LangRow& row = LangTable[i];
        for (std::uint32_t language : kLanguages) {
            const bool mayBeEmpty = row.id == kTextWeek && language != kColumnChinese;
            EXPECT_EQ(row.text[language][0] == u'\0', mayBeEmpty)
                << Hex(row.id) << " column " << language;
        }
    }
}

// The main window finds a page by the text of its tree node, so these must not collide.
TEST(LangTable, test_tree_and_page_captions_distinct_per_language) {
    const std::uint32_t captions[] = {
        kTextControlPanel, kTextSystemInformation,
        kTextVersion,      kTextHddInfo,
        kTextLog,          kTextSettingGroup,
        kTextGeneral,      kTextEncode,
        kTextSchedule,     kTextRs232,
        kTextNetwork,      kTextAlarmCenter,
        kTextNtpServer,    kTextPppoe,
        kTextDdnsServer,   kTextEmail,
        kTextAlarm,        kTextDetect,
        kTextPanTiltZoom,  kTextDisplay,
        kTextAdvanced,     kTextAbnormality,
        kTextAlarmOut,     kTextManageRecord,
    };
    for (std::uint32_t language : kLanguages) {
        std::set<std::u16string> seen;
        for (std::uint32_t id : captions) {
            ASSERT_NE(LangText(language, id), nullptr) << Hex(id);
            EXPECT_TRUE(seen.insert(LangText(language, id)).second)
                << Hex(id) << " repeats a caption in column " << language;
        }
    }
}

TEST(LongTextTable, test_rows_fit_their_columns) {
    EXPECT_EQ(LongTextTable[0].id, kTextConfigInPtz);
    EXPECT_EQ(LongTextTable[1].id, kTextRebootQuestion);
    EXPECT_EQ(LongTextTable[kLongRowCount].id, kTerminatorId);
    for (const LongTextRow& row : LongTextTable) {
        for (std::size_t k = 0; k < kColumnCount; ++k) {
            EXPECT_LE(UnitsUntilZero(row.text[k]), kLongTextUnits - 1) << Hex(row.id);
            EXPECT_TRUE(PaddedWithZeros(row.text[k])) << Hex(row.id) << " column " << k;
        }
        EXPECT_EQ(UnitsUntilZero(row.text[kColumnUnused]), 0u) << Hex(row.id);
    }
}

}  // namespace
