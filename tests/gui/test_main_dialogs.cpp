// The dialogs as the frame opens them: adding through the tool button, editing
// from the grid; each dialog answered by keys the moment it shows.

#include "test_main_fixture.h"

#include "document/Unit16.h"
#include "support/Elements.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWindow>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

class FrameDialogs : public MainWindowTest {
protected:
    void SetUp() override
    {
        WriteSettings(TestSettings());
        ShowWindow();
        document = window->NewDocument();
        document->ReplaceElements(ListOf({MakeElement(100, 10, 1), MakeElement(200, 20, 2)}));
    }
    // Runs `user` on the modal dialog as soon as it is open.
    static void WhenTheDialogShows(std::function<void(QWidget &)> user)
    {
        QTimer::singleShot(0, [user] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            // The keys go to the dialog once the desktop has given it the focus.
            dialog->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            ASSERT_TRUE(QTest::qWaitFor([dialog] { return QGuiApplication::focusWindow() == dialog->windowHandle(); }));
            user(*dialog);
        });
    }
    static void Type(const QString &text)
    {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    TForm16 *document = nullptr;
};

TEST_F(FrameDialogs, ClosingTheNewElementsDialogByItsCloseBoxKeepsEveryEntry)
{
    WhenTheDialogShows([](QWidget &dialog) {
        Type(QStringLiteral("500"));
        Type(QStringLiteral("300"));
        Type(QString());
        Type(QString()); // "Dodaj elemente"
        dialog.close();
    });
    QTest::mouseClick(window->ToolButton10, Qt::LeftButton);
    ASSERT_EQ(ElementCount(document->Elements), 3);
    EXPECT_EQ(+document->Elements[2].Length, 500);
    EXPECT_EQ(+document->Elements[2].Width, 300);
    EXPECT_EQ(document->SG1->model()->rowCount(), 5) << "the grid shows what came back";
}

TEST_F(FrameDialogs, EnterOnAGridRowEditsItsElement)
{
    document->SetCurrentRow(3);
    document->SG1->setFocus();
    WhenTheDialogShows([](QWidget &dialog) {
        Type(QStringLiteral("777"));
        for (int i = 0; i < 10 && dialog.isVisible(); ++i)
            Type(QString()); // on through the fields to "Izmena"
    });
    QTest::keyClick(document->SG1, Qt::Key_Return);
    EXPECT_EQ(+document->Elements[1].Length, 777);
    EXPECT_EQ(+document->Elements[0].Length, 100);
}

} // namespace
