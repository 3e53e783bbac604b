#include "ui/main/layout.h"

#include <gtest/gtest.h>

using namespace zefnaro;

namespace {

TEST(Layout, OpeningSize) {
    const MainLayout l = relayout(designLayout(), 9705, 9960);
    EXPECT_EQ(l.report, (Box{120, 720, 9465, 8865}));
    EXPECT_EQ(l.status, (Box{120, 9645, 9465, 255}));
}

TEST(Layout, GrowingMovesByTheSameAmount) {
    const MainLayout open = relayout(designLayout(), 9705, 9960);
    const MainLayout grown = relayout(open, 9705 + 1500, 9960 + 900);
    EXPECT_EQ(grown.report.width, open.report.width + 1500);
    EXPECT_EQ(grown.report.height, open.report.height + 900);
    EXPECT_EQ(grown.status.top, open.status.top + 900);
    EXPECT_EQ(grown.status.width, grown.report.width);
    EXPECT_EQ(grown.status.top - (grown.report.top + grown.report.height), 60);
}

TEST(Layout, BelowTheMarginsKeepsTheLastValidSize) {
    const MainLayout open = relayout(designLayout(), 9705, 9960);
    const struct {
        float w, h;
        bool widthKept, heightKept;
    } rows[] = {{100, 100, true, true},
                {5000, 500, false, true},
                {200, 5000, true, false},
                {0, 0, true, true}};
    for (const auto& r : rows) {
        const MainLayout l = relayout(open, r.w, r.h);
        EXPECT_EQ(l.report.width, r.widthKept ? open.report.width : r.w - 240);
        EXPECT_EQ(l.report.height, r.heightKept ? open.report.height : r.h - 1095);
        EXPECT_GE(l.report.width, 0);
        EXPECT_GE(l.report.height, 0);
        // The label is still centred below the box as it stands.
        EXPECT_EQ(l.status.top, (r.h - 720 - l.report.height) / 2 + 720 + l.report.height - 127.5f);
    }
}

TEST(Layout, RestoringReappliesTheSameArithmetic) {
    const MainLayout open = relayout(designLayout(), 9705, 9960);
    const MainLayout back = relayout(relayout(open, 28800, 15000), 9705, 9960);
    EXPECT_EQ(back, open);
}

} // namespace
