#include "app/StatusWindow.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace venkar;

TEST(StatusWindow, ShowsCalculationButtonWhileRunningAndFertigAtTheEnd) {
    TSolForm window;
    window.start();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Status der Berechnung");
    EXPECT_TRUE(window.finishButton()->isHidden());
    EXPECT_FALSE(window.errorButton()->isHidden());
    EXPECT_EQ(window.errorButton()->text(), "Berechnung");

    window.setPhase(phaseElements);
    window.setCount(StatusCount::nodes, 42);
    window.setCount(StatusCount::memoryBytes, 123456789012LL);
    EXPECT_EQ(window.highlightedPhase(), 1);
    EXPECT_EQ(window.countText(StatusCount::nodes), "42");
    EXPECT_EQ(window.countText(StatusCount::memoryBytes), "123456789012");

    window.setPhase(phaseResults);
    EXPECT_EQ(window.highlightedPhase(), 7);
    window.setPhase(phaseNone);
    EXPECT_EQ(window.highlightedPhase(), 0);
    window.finishOk();
    EXPECT_FALSE(window.finishButton()->isHidden());
    EXPECT_TRUE(window.errorButton()->isHidden());

    QTest::mouseClick(window.finishButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(StatusWindow, SecondRunStartsWithBerechnungAgainAfterAFailure) {
    TSolForm window;
    window.start();
    window.setPhase(phaseDofs);
    window.finishFailed();
    EXPECT_EQ(window.errorButton()->text(), "Fehler");
    EXPECT_TRUE(window.finishButton()->isHidden());
    // The phase of the failed run stays highlighted until the next one.
    EXPECT_EQ(window.highlightedPhase(), 2);
    QTest::mouseClick(window.errorButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());

    window.start();
    EXPECT_EQ(window.errorButton()->text(), "Berechnung");
    EXPECT_TRUE(window.finishButton()->isHidden());
    window.setPhase(phaseElements);
    EXPECT_EQ(window.highlightedPhase(), 1);
    // Figures keep their values until overwritten.
    window.setCount(StatusCount::bandwidth, 7);
    EXPECT_EQ(window.countText(StatusCount::bandwidth), "7");
    EXPECT_EQ(window.countText(StatusCount::elements), "0");
}
