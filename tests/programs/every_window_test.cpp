// What every window does alike: each program's window, from the table of programs, on its own
// virtual board, driven offscreen.
#include "Languages.h"
#include "Programs.h"
#include "ShownTexts.h"
#include "VirtualPort.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A program's window on its own virtual board, as its main builds it.
struct ProgramWindow {
    explicit ProgramWindow(const Program& program) : window(program.createWindow(MSComm::Setup{
                                                         [this](int, const LineSettings& s) {
                                                             return std::make_unique<VirtualPort>(board, s);
                                                         }}))
    {
        program.buildBoard(board);
        window->Form_Load();
    }
    Board board;
    std::unique_ptr<FormWindow> window;
};

TEST(EveryWindow, EveryControlCarriesItsLayoutName)
{
    for (const Program& program : programs()) {
        ProgramWindow p(program);
        QStringList unnamed, names;
        for (QObject* control : p.window->findChildren<QWidget*>())
            (control->objectName().isEmpty() ? unnamed : names) << QString::fromLatin1(control->metaObject()->className());
        for (QObject* timer : p.window->findChildren<QTimer*>())
            (timer->objectName().isEmpty() ? unnamed : names) << QStringLiteral("QTimer");
        EXPECT_TRUE(unnamed.isEmpty()) << program.name.toStdString() << ": " << unnamed.join(u' ').toStdString();
        EXPECT_FALSE(names.isEmpty()) << program.name.toStdString();

        // Each name stands for one control.
        QStringList all;
        for (QObject* control : p.window->findChildren<QObject*>())
            if (!control->objectName().isEmpty())
                all << control->objectName();
        EXPECT_EQ(all.removeDuplicates(), 0) << program.name.toStdString();
    }
}

// Under a German locale each window shows exactly its own texts, as in English: only what the
// suite adds around the windows is translated.
TEST(GermanLocaleEveryWindow, ShowsExactlyItsOwnTextsAsInEnglish)
{
    std::map<QString, QStringList> english;
    for (const Program& program : programs())
        english[program.name] = shownTexts(*ProgramWindow(program).window);
    const Languages german = Languages::ofUser();
    ASSERT_TRUE(german.language().startsWith(QStringLiteral("de")));
    german.install();
    for (const Program& program : programs()) {
        const QStringList texts = shownTexts(*ProgramWindow(program).window);
        EXPECT_EQ(texts, english[program.name]) << program.name.toStdString();
        EXPECT_GT(texts.size(), 1) << program.name.toStdString();
    }
}

// Enter (the main one and the keypad's) clicks a focused command button, as Space does, in
// every program that has one. A fresh window for every key: iopanel's only button at start is
// "E&xit".
TEST(EveryWindow, EnterAndSpaceClickTheFocusedButton)
{
    const struct {
        const char* program;
        const char* button;
    } buttons[] = {{"thermread", "cmdRdTemp"}, {"thermconf", "cmdRdConfig"}, {"iopanel", "Command3"},
                   {"shiftout", "cmdOut"},     {"serialout", "cmdD(15)"}};
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, Qt::NoModifier}};
    for (const auto& b : buttons) {
        for (const auto& k : keys) {
            SCOPED_TRACE(std::string(b.program) + " " + b.button + " key " + std::to_string(k.key));
            ProgramWindow p(program(b.program));
            auto* button = p.window->findChild<QPushButton*>(QLatin1String(b.button));
            ASSERT_NE(button, nullptr);
            p.window->show();
            QApplication::setActiveWindow(p.window.get());
            ASSERT_TRUE(QTest::qWaitForWindowActive(p.window.get()));
            button->setFocus();
            ASSERT_TRUE(button->hasFocus());
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            QTest::keyClick(button, k.key, k.modifiers);
            EXPECT_EQ(clicked.count(), 1);
        }
    }
}

} // namespace
