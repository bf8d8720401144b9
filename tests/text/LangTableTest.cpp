// Invariants of the two text tables: texts present in every language and captions the tree can
// tell apart.
#include <gtest/gtest.h>

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

std::string Hex(std::uint32_t id) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", id);
    return buffer;
}

// A text too long for its column does not compile, and an id used twice is caught by the
// lookup tests; here every text is present (only the week prefix is empty, and only outside
// Chinese), the unused column is empty and the terminator row ends the table.
template <typename Row, std::size_t N>
void ExpectTextsPresent(const Row (&table)[N]) {
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const Row& row = table[i];
        for (std::uint32_t language : kLanguages) {
            const bool mayBeEmpty = row.id == kTextWeek && language != kColumnChinese;
            EXPECT_EQ(row.text[language][0] == u'\0', mayBeEmpty)
                << Hex(row.id) << " column " << language;
        }
        EXPECT_EQ(row.text[kColumnUnused][0], u'\0') << Hex(row.id);
    }
    EXPECT_EQ(table[N - 1].id, kTerminatorId);
}

TEST(TextTables, test_texts_present_and_unused_column_empty) {
    ExpectTextsPresent(LangTable);
    ExpectTextsPresent(LongTextTable);
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

}  // namespace
