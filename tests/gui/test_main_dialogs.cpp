// The dialogs as the frame opens them: adding through the tool button, editing
// from the grid; each dialog answered by keys the moment it shows.

#include "test_main_fixture.h"

#include "dialogs/Unit2.h"
#include "document/Unit16.h"
#include "support/DocumentLists.h"
#include "support/Elements.h"

#include <QAction>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

class FrameDialogs : public MainWindowTest {
protected:
    void SetUp() override
    {
        WriteSettings(TestSettings());
        ShowWindow();
        document = window->NewDocument();
        SetElementList(*document, ListOf({MakeElement(100, 10, 1), MakeElement(200, 20, 2)}));
    }

    TForm16 *document = nullptr;
};

TEST_F(FrameDialogs, ClosingTheNewElementsDialogByItsCloseBoxKeepsEveryEntry)
{
    WhenTheDialogShows([](QWidget &dialog) {
        TypeAndEnter(QStringLiteral("500"));
        TypeAndEnter(QStringLiteral("300"));
        TypeAndEnter(QString());
        TypeAndEnter(QString()); // "Dodaj elemente"
        dialog.close();
    });
    QTest::mouseClick(window->ToolButton10, Qt::LeftButton);
    ASSERT_EQ(ElementCount(document->Elements), 3);
    EXPECT_EQ(+document->Elements[2].Length, 500);
    EXPECT_EQ(+document->Elements[2].Width, 300);
    EXPECT_EQ(document->SG1->model()->rowCount(), 5) << "the grid shows what came back";
}

TEST_F(FrameDialogs, PrintingFromTheEntryListOnlyPrints)
{
    WhenTheDialogShows([](QWidget &dialog) {
        auto &form = static_cast<TForm2 &>(dialog);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("700"));
        form.Printdatabase1->trigger();
        EXPECT_EQ(form.Duzina->text(), QStringLiteral("700")) << "the entry is left as it was";
        EXPECT_EQ(form.focusWidget(), form.Duzina);
        dialog.close();
    });
    QTest::mouseClick(window->ToolButton10, Qt::LeftButton);
    EXPECT_EQ(desktop.OpenedWithDesktop().size(), 1) << "without a printer, the PDF";
}

TEST_F(FrameDialogs, EnterOnAGridRowEditsItsElement)
{
    document->SetCurrentRow(3);
    document->SG1->setFocus();
    WhenTheDialogShows([](QWidget &dialog) {
        TypeAndEnter(QStringLiteral("777"));
        for (int i = 0; i < 10 && dialog.isVisible(); ++i)
            TypeAndEnter(QString()); // on through the fields to "Izmena"
    });
    QTest::keyClick(document->SG1, Qt::Key_Return);
    EXPECT_EQ(+document->Elements[1].Length, 777);
    EXPECT_EQ(+document->Elements[0].Length, 100);
}

} // namespace
