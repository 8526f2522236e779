#include "PrintTestHelpers.h"

#include "print/PrintJob.h"
#include "print/PrintProgressDialog.h"
#include "print/core/PartLabels.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

namespace {

// Clicks the progress dialog's Cancel button once it is shown, from the
// events the printout lets run; first clicks `other`, when given.
void CancelFromTheEventLoop(QWidget *other = nullptr)
{
    QTimer::singleShot(0, [other] {
        if (other)
            QTest::mouseClick(other, Qt::LeftButton);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<PrintProgressDialog *>(window);
            if (dialog && dialog->isVisible())
                QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        }
    });
}

} // namespace

TEST(PrintJob, CancelAbortsWhileOtherWindowsGetNoInput)
{
    QPushButton other(QStringLiteral("Drugi prozor"));
    other.show();
    QSignalSpy otherClicks(&other, &QPushButton::clicked);

    RecordingCanvas canvas;
    PrintProgressDialog progress(canvas);
    CancelFromTheEventLoop(&other);
    ASSERT_EQ(PrintElementList(canvas, NumberedList(10), PrintoutSettings{}, &progress), rcOK);

    EXPECT_TRUE(canvas.Aborted());
    EXPECT_EQ(otherClicks.count(), 0);
    EXPECT_EQ(progress.maximum(), 10);
    EXPECT_EQ(progress.labelText(), QStringLiteral("Odstampano 0 od 10 elemenata"));
    EXPECT_TRUE(TextsOf(canvas, QStringLiteral("001")).empty()) << "cancelled before the first row";
}

TEST(PrintJob, WithoutAPrinterWritesThePdfOrIsCancelled)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is installed; the job would print on it";
    TempDir dir;
    const QString written = QString::fromStdString(dir.file("spisak.pdf"));
    const PrintResult done = PrintElementListJob(NumberedList(20), TSettings(), written, nullptr);
    EXPECT_EQ(done.outcome, PrintResult::Outcome::WrittenToPdf);
    EXPECT_EQ(done.pdfPath, written);
    EXPECT_EQ(ReadAll(dir.file("spisak.pdf")).substr(0, 4), "%PDF");

    CancelFromTheEventLoop();
    const QString cancelled = QString::fromStdString(dir.file("prekid.pdf"));
    const PrintResult stopped = PrintElementListJob(NumberedList(20), TSettings(), cancelled, nullptr);
    EXPECT_EQ(stopped.outcome, PrintResult::Outcome::Cancelled);
    EXPECT_FALSE(std::ifstream(dir.file("prekid.pdf")).good());

    const PrintResult failed = PrintElementListJob(NumberedList(20), TSettings(),
                                                   QString::fromStdString(dir.file("no/such.pdf")), nullptr);
    EXPECT_EQ(failed.outcome, PrintResult::Outcome::Failed);
    EXPECT_EQ(failed.code, rcFileAccessError);
}

TEST(PrintJob, LabelsGoIntoThePdfWhenAskedAndCancelOnTheirOwnDialog)
{
    TempDir dir;
    LabelDocument document;
    document.Elements = NumberedList(4);
    document.Title = QStringLiteral("Kuhinja");
    const QString written = QString::fromStdString(dir.file("nalepnice.pdf"));
    const LabelJobOptions roll{LabelLayout::Roll100x50, 1, true};
    const PrintResult done = PrintLabelsJob(document, TSettings(), roll, written, nullptr);
    EXPECT_EQ(done.outcome, PrintResult::Outcome::WrittenToPdf);
    EXPECT_EQ(done.pdfPath, written);
    EXPECT_EQ(ReadAll(dir.file("nalepnice.pdf")).substr(0, 4), "%PDF");

    QString title, progressText;
    QTimer::singleShot(0, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<PrintProgressDialog *>(window);
            if (dialog && dialog->isVisible()) {
                title = dialog->windowTitle();
                progressText = dialog->labelText();
            }
        }
    });
    CancelFromTheEventLoop();
    const QString cancelled = QString::fromStdString(dir.file("prekid.pdf"));
    const PrintResult stopped =
        PrintLabelsJob(document, TSettings(), {LabelLayout::A4By3x8, 24, true}, cancelled, nullptr);
    EXPECT_EQ(stopped.outcome, PrintResult::Outcome::Cancelled);
    EXPECT_FALSE(std::ifstream(dir.file("prekid.pdf")).good());
    EXPECT_EQ(title, QStringLiteral("Stampanje nalepnica"));
    EXPECT_EQ(progressText, QStringLiteral("Odstampano 0 od 10 nalepnica"));

    const PrintResult refused = PrintLabelsJob(document, TSettings(), {LabelLayout::A4By2x7, 15, true},
                                               QString::fromStdString(dir.file("ne.pdf")), nullptr);
    EXPECT_EQ(refused.outcome, PrintResult::Outcome::Failed);
    EXPECT_EQ(refused.code, rcUnexpectedError);
    EXPECT_FALSE(std::ifstream(dir.file("ne.pdf")).good());
}
