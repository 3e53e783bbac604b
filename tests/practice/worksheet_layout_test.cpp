// A worksheet's grid as both the window and the page set it: measured in
// millimetres here, on an A4 page of 180 × 267 mm within its margins.
#include "practice/worksheet_layout.h"

#include <gtest/gtest.h>

using namespace zefnaro;

namespace {

TEST(WorksheetLayout, AnswersBesideOrUnderTheirQuestionsInAsManyColumnsAsFit) {
    struct Case {
        SheetPart part;
        double text, answer, header;
        bool stacked;
        double answerWidth, rowHeight;
        int columns, rows;
    };
    // 7 mm lines, numbers 8 mm wide, a 6 mm gap; questions' rows are two lines
    // beside (three stacked) with room for the answer half as wide again, at least
    // 30 mm; the key's a line and a half, its answers as wide as they are.
    const Case cases[] = {
        {SheetPart::questions, 20, 10, 40, false, 30, 14, 2, 16},   // short answers get 30 mm
        {SheetPart::questions, 100, 40, 40, false, 60, 14, 1, 16},  // 8 + 100 + 6 + 60 = 174: still beside
        {SheetPart::questions, 120, 40, 40, true, 60, 21, 1, 10},   // 194 mm: the line goes under
        {SheetPart::answerKey, 20, 10, 30, false, 10, 10.5, 3, 22}, // the key packs three columns
        {SheetPart::answerKey, 150, 40, 30, true, 40, 16.8, 1, 14},
        {SheetPart::questions, 20, 10, 400, false, 30, 14, 2, 1},   // a header taller than the page: one row
    };
    for (const Case& c : cases) {
        const SheetLook look = sheetLook(c.part, 16, Ask::numerals);
        const SheetGrid g = layOutSheet(look, {8, c.text, c.answer, 7, 180, 267, c.header, 1});
        const std::string which = std::to_string(c.text) + "/" + std::to_string(c.answer);
        EXPECT_EQ(g.stacked, c.stacked) << which;
        EXPECT_DOUBLE_EQ(g.answerWidth, c.answerWidth) << which;
        EXPECT_DOUBLE_EQ(g.rowHeight, c.rowHeight) << which;
        EXPECT_EQ(g.columns, c.columns) << which;
        EXPECT_EQ(g.rows, c.rows) << which;
        EXPECT_DOUBLE_EQ(g.gap, 6);
    }
}

TEST(WorksheetLayout, TypeSizesAndWhichTextsAreCoptic) {
    EXPECT_EQ(sheetLook(SheetPart::questions, 100, Ask::numerals).points, 48);
    EXPECT_EQ(sheetLook(SheetPart::questions, 2, Ask::numerals).points, 8);
    EXPECT_EQ(sheetLook(SheetPart::answerKey, 8, Ask::numerals).points, 10);
    EXPECT_EQ(sheetLook(SheetPart::answerKey, 24, Ask::numerals).points, 18);
    for (const auto& [ask, copticText, copticAnswer] :
         {std::tuple{Ask::numerals, true, false}, std::tuple{Ask::coptic, true, false},
          std::tuple{Ask::pronunciation, false, false}, std::tuple{Ask::writeNumerals, false, true},
          std::tuple{Ask::writeCoptic, false, true}}) {
        const SheetLook key = sheetLook(SheetPart::answerKey, 16, ask);
        EXPECT_EQ(key.copticText, copticText) << askName(ask);
        EXPECT_EQ(key.copticAnswer, copticAnswer) << askName(ask);
        EXPECT_EQ(key.boldAnswer, !copticAnswer) << askName(ask); // digits in bold, Coptic as written
        EXPECT_FALSE(key.lines);
        EXPECT_TRUE(sheetLook(SheetPart::questions, 16, ask).lines);
    }
}

} // namespace
