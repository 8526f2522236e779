#pragma once
// The dialog tests type as a user does: every key goes to the window, which
// hands it to whatever widget has the focus at that moment.

#include "common/Conversions.h"
#include "common/ProgramState.h"
#include "support/Elements.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

class DialogTest : public ::testing::Test {
protected:
    DialogTest()
    {
        state.Settings.SetUnit(UnitMm);
        state.Settings.SetUsableBoardLength(2000);
        state.Settings.SetUsableBoardWidth(1000);
        state.UnitFactor = 1.0;
    }
    void SetUnit(std::int32_t unit)
    {
        state.Settings.SetUnit(unit);
        state.UnitFactor = UnitFactorOf(unit);
    }
    // Shows the dialog without blocking and waits until it has the keyboard.
    static void Open(QWidget &dialog)
    {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(HasKeyboard(dialog));
    }
    // The window that the keys go to follows the active widget a little later.
    static bool HasKeyboard(QWidget &dialog)
    {
        return QTest::qWaitForWindowActive(&dialog)
            && QTest::qWaitFor([&dialog] { return QGuiApplication::focusWindow() == dialog.windowHandle(); });
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
    }
    static void Type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(QGuiApplication::focusWindow(), c.toLatin1());
    }
    // Types each text and presses Enter after it; an empty text is Enter alone.
    static void TypeEach(std::initializer_list<const char *> texts)
    {
        for (const char *text : texts) {
            Type(QString::fromLatin1(text));
            Key(Qt::Key_Return);
        }
    }
    static QWidget *Focus() { return QApplication::focusWidget(); }

    ProgramState state;
    ScriptedPlatform desktop;
};
