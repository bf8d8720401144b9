// Invariants of the two text tables: layout, ids, text bounds and the texts that other code
// depends on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

#include "text/LangTable.h"
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

const LangRow* FindRow(std::uint32_t id) {
    for (const LangRow& row : LangTable) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

std::u16string Text(std::uint32_t language, std::uint32_t id) {
    const LangRow* row = FindRow(id);
    return row ? std::u16string(row->text[language]) : u"<missing>";
}

std::string Hex(std::uint32_t id) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", id);
    return buffer;
}

TEST(LangTable, test_rows_end_with_one_terminator) {
    for (std::size_t i = 0; i < kLangRowCount; ++i) {
        EXPECT_NE(LangTable[i].id, kTerminatorId) << "row " << i;
    }
    const LangRow& last = LangTable[kLangRowCount];
    EXPECT_EQ(last.id, kTerminatorId);
    for (const auto& column : last.text) {
        EXPECT_EQ(UnitsUntilZero(column), 0u);
    }
}

TEST(LangTable, test_ids_unique_and_in_range) {
    std::set<std::uint32_t> seen;
    for (std::size_t i = 0; i < kLangRowCount; ++i) {
        const std::uint32_t id = LangTable[i].id;
        EXPECT_GE(id, 0x500u) << "row " << i;
        EXPECT_LE(id, 0x5F0u) << "row " << i;
        EXPECT_TRUE(seen.insert(id).second) << Hex(id) << " occurs twice";
    }
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

// A blank is where a fixed format joins a text to a number or a literal and the language
// wants one between them: "CAM 1", "Tela 1", "Serv. alarme 1", "SMTP Servidor".
struct JoinBlank {
    std::uint32_t id;
    std::uint32_t language;
    bool leading;
};
constexpr JoinBlank kJoinBlanks[] = {
    {kTextCam, kColumnEnglish, false},
    {kTextView, kColumnPortuguese, false},
    {kTextAlarmCenter, kColumnPortuguese, false},
    {kTextServer, kColumnPortuguese, true},
};

bool BlankAt(std::uint32_t id, std::uint32_t language, bool leading) {
    for (const JoinBlank& blank : kJoinBlanks) {
        if (blank.id == id && blank.language == language && blank.leading == leading)
            return true;
    }
    return false;
}

// Only the week prefix is empty, and only outside Chinese; blanks stand only where a fixed
// format needs them.
TEST(LangTable, test_texts_present_and_trimmed) {
    for (std::size_t i = 0; i < kLangRowCount; ++i) {
        const LangRow& row = LangTable[i];
        for (std::uint32_t language : kLanguages) {
            const std::u16string s = row.text[language];
            const bool mayBeEmpty = row.id == kTextWeek && language != kColumnChinese;
            EXPECT_EQ(s.empty(), mayBeEmpty) << Hex(row.id) << " column " << language;
            if (s.empty()) {
                continue;
            }
            EXPECT_EQ(s.front() == u' ', BlankAt(row.id, language, true))
                << Hex(row.id) << " column " << language;
            EXPECT_EQ(s.back() == u' ', BlankAt(row.id, language, false))
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
            ASSERT_NE(FindRow(id), nullptr) << Hex(id);
            EXPECT_TRUE(seen.insert(Text(language, id)).second)
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
