#pragma once

#include "ProgramOnBoard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// A program on its virtual board as a test fixture: loaded in SetUp, once the constructors of
// the fixtures built on it have added their parts.
template <class Window>
class ProgramTest : public ::testing::Test, public ProgramOnBoard<Window> {
protected:
    explicit ProgramTest(bool withBoardWindow = false) : ProgramOnBoard<Window>(withBoardWindow) {}

    void SetUp() override { this->load(); }

    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Makes the window the active one, as the keyboard needs.
    void activate()
    {
        QApplication::setActiveWindow(this->window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(this->window.get()));
    }
};
