// The cutting plan window driven as a user does: opened from the grid's menu on
// a kitchen, its boards turned with Page Up and Page Down, its search stopped,
// the plan put out of date by an entry and made again, printed, and closed with
// its document.

#include "test_main_fixture.h"

#include "common/BoardType.h"
#include "common/cutting/PlanPieces.h"
#include "document/Unit16.h"
#include "main/PlanWindow.h"
#include "support/DocumentLists.h"
#include "support/Elements.h"
#include "support/PlanValidator.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include <functional>

namespace {

// A kitchen whose pieces fill 99.8 % of three usable boards: no plan with
// kerfs reaches that lower bound, so the search goes on until it is stopped.
struct KitchenRow {
    std::int32_t length, width;
    std::uint8_t lengthBanding, widthBanding;
    std::uint16_t count;
    const char *label;
};
const KitchenRow kKitchen[] = {
    {720, 560, 1, 0, 8, "Bok donjeg elementa"}, {764, 560, 1, 0, 1, "Dno donjeg 80"},
    {564, 560, 1, 0, 2, "Dno donjeg 60"},       {364, 560, 1, 0, 1, "Dno donjeg 40"},
    {764, 100, 0, 0, 2, "Vezac 80"},            {564, 100, 0, 0, 4, "Vezac 60"},
    {364, 100, 0, 0, 1, "Vezac 40"},            {762, 520, 1, 0, 1, "Polica donja 80"},
    {562, 520, 1, 0, 2, "Polica donja 60"},     {720, 320, 1, 0, 6, "Bok gornjeg elementa"},
    {764, 320, 1, 0, 2, "Dno i krov gornjeg 80"}, {564, 320, 1, 0, 4, "Dno i krov gornjeg 60"},
    {562, 300, 1, 0, 4, "Polica gornja"},       {2100, 560, 1, 0, 2, "Bok visokog elementa"},
    {564, 560, 1, 0, 2, "Dno i krov visokog"},  {562, 520, 1, 0, 4, "Polica visokog"},
    {596, 140, 4, 4, 3, "Celo fioke"},          {716, 396, 4, 4, 4, "Vrata donja"},
    {716, 296, 4, 4, 6, "Vrata gornja"},        {2096, 596, 4, 4, 1, "Vrata visokog"},
};
constexpr double kPricePerM2 = 1090;

TElementList Kitchen()
{
    std::vector<TElement> elements;
    for (const KitchenRow &row : kKitchen) {
        TElement element = MakeElement(row.length, row.width, row.count, row.label);
        element.LengthBanding = row.lengthBanding;
        element.WidthBanding = row.widthBanding;
        elements.push_back(element);
    }
    return ListOf(elements);
}

// Pages of a PDF as the writer marks them.
int PdfPages(const std::string &pdf)
{
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class PlanWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        // The settings name another price: the document's material in the board table counts.
        TSettings settings = TestSettings();
        settings.SetTrim(10);
        settings.SetPricePerM2(1);
        settings.SetTapeSurplus(100);
        settings.SetRememberedMaterial(2);
        WriteSettings(settings);
        TBoardTable table{};
        for (TBoardType &board : {std::ref(table[0]), std::ref(table[1])}) {
            board.Length = 2800;
            board.Width = 2070;
            board.PricePerM2 = kPricePerM2;
            board.Name.assign("Iverica 18 mm");
        }
        WriteAll(Path(kBoardTableFileName),
                 std::string(reinterpret_cast<const char *>(table.data()), 2 * sizeof(TBoardType)));
        ShowWindow();
        document = window->NewDocument();
        SetElementList(*document, Kitchen());
    }

    // Chooses "Plan secenja..." in the grid's menu, plans again with a budget
    // that no test outlasts (only Stop ends these searches) and waits for the
    // first plan.
    PlanWindow &Open()
    {
        ChooseFromGridMenu(*document, {QStringLiteral("Plan secenja...")});
        auto *plan = window->findChild<PlanWindow *>();
        EXPECT_NE(plan, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(plan));
        QTest::keyClick(plan, Qt::Key_V, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        TypeAndEnter(QStringLiteral("600"));
        EXPECT_TRUE(QTest::qWaitFor([plan] { return !plan->Plan().Boards.empty(); }));
        EXPECT_TRUE(Text(*plan, "State").endsWith(QStringLiteral("od 600.0 s")));
        return *plan;
    }
    static void Stop(PlanWindow &plan)
    {
        QTest::keyClick(&plan, Qt::Key_S, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&plan] { return !plan.Searching(); }));
    }
    static QString Text(const PlanWindow &plan, const char *label)
    {
        return plan.findChild<QLabel *>(QString::fromLatin1(label))->text();
    }
    static bool Enabled(const PlanWindow &plan, const char *button)
    {
        return plan.findChild<QPushButton *>(QString::fromLatin1(button))->isEnabled();
    }

    TForm16 *document = nullptr;
};

TEST_F(PlanWindowTest, ShowsTheKitchenBoardByBoardStopsAndGoesOutOfDateWithTheList)
{
    PlanWindow &plan = Open();
    EXPECT_TRUE(plan.Searching()) << "three boards are out of reach: the search goes on";
    EXPECT_TRUE(Enabled(plan, "Stop"));
    EXPECT_FALSE(Enabled(plan, "PrintPlan")) << "a plan still changing is not printed";
    Stop(plan);
    EXPECT_TRUE(Text(plan, "State").startsWith(QStringLiteral("Zaustavljeno")));
    EXPECT_FALSE(Enabled(plan, "Stop"));
    EXPECT_TRUE(Enabled(plan, "PrintPlan"));

    const CuttingPlan shown = plan.Plan();
    EXPECT_EQ(plan_validator::Validate(shown), "");
    EXPECT_EQ(static_cast<std::int64_t>(shown.Pieces.size()), PlanPieceCount(document->Elements, document->Groups));
    EXPECT_EQ(shown.LowerBound, 3);
    const int boards = static_cast<int>(shown.Boards.size());
    ASSERT_GE(boards, 4);
    document->ShowStatistics();
    const QString summary = Text(plan, "Summary");
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Table: %1 (najmanje 3)").arg(boards))) << summary.toStdString();
    const QString price = QString::number(boards * 2.8 * 2.07 * kPricePerM2, 'f', 2);
    EXPECT_TRUE(summary.contains(QStringLiteral("Cena tabli: ") + price)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Kant traka: ") + document->SG2->item(6, 2)->text()));
    EXPECT_TRUE(summary.contains(QStringLiteral("ABS traka: ") + document->SG2->item(7, 2)->text()));

    // The board is drawn as on paper: its cuts are the red lines.
    const QImage drawn = plan.findChild<QWidget *>(QStringLiteral("PlanView"))->grab().toImage();
    int red = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            red += drawn.pixelColor(x, y) == QColor(200, 0, 0) ? 1 : 0;
    }
    EXPECT_GT(red, drawn.height()) << "the cuts cross the board";

    // Page Down to the last board and beyond it, then back.
    for (int board = 1; board <= boards + 1; ++board) {
        const int expected = std::min(board, boards);
        EXPECT_TRUE(Text(plan, "BoardLine")
                        .startsWith(QStringLiteral("Tabla %1 / %2: %3 komada")
                                        .arg(expected)
                                        .arg(boards)
                                        .arg(shown.Boards[static_cast<std::size_t>(expected - 1)].Pieces.size())));
        QTest::keyClick(&plan, Qt::Key_PageDown);
    }
    QTest::keyClick(&plan, Qt::Key_PageUp);
    EXPECT_TRUE(Text(plan, "BoardLine").startsWith(QStringLiteral("Tabla %1 / ").arg(boards - 1)));

    // An entry in the document: the plan no longer fits the list.
    const std::pair<QLineEdit *, const char *> entry[] = {{document->Edit1, "100"}, {document->Edit5, "50"},
                                                          {document->Edit6, "2"}};
    for (const auto &[field, text] : entry) {
        QTest::keyClicks(field, QString::fromLatin1(text));
        QTest::keyClick(field, Qt::Key_Return);
    }
    ASSERT_EQ(ElementCount(document->Elements), 21);
    EXPECT_TRUE(plan.OutOfDate());
    EXPECT_TRUE(Text(plan, "State").startsWith(QStringLiteral("Plan je zastareo")));
    EXPECT_FALSE(Enabled(plan, "PrintPlan"));

    QTest::keyClick(&plan, Qt::Key_F5);
    EXPECT_FALSE(plan.OutOfDate());
    EXPECT_TRUE(QTest::qWaitFor([&] { return plan.Plan().Pieces.size() == shown.Pieces.size() + 2; }));
    // Another board for the document: the plan was made for the one before.
    QTest::keyClick(document->ComboBox1, Qt::Key_Down);
    EXPECT_EQ(document->MaterialIndex, 2);
    EXPECT_TRUE(plan.OutOfDate());
    // Emptied, the list has no plan, and nothing of the search before comes in after.
    document->Model().ReplaceElements(ListOf({}), QStringLiteral("Obrisi element(e)"));
    QTest::keyClick(&plan, Qt::Key_F5);
    EXPECT_FALSE(plan.Searching());
    QCoreApplication::processEvents();
    EXPECT_TRUE(plan.Plan().Boards.empty());
    EXPECT_EQ(Text(plan, "State"), QStringLiteral("Spisak je prazan"));

    // Escape closes the window.
    const QPointer<PlanWindow> guard = &plan;
    QTest::keyClick(&plan, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }));
}

TEST_F(PlanWindowTest, APlanAtTheBoundFromThePiecesSizesEndsTheSearchAndSaysSo)
{
    // Longer and wider than half the usable board however they lie: no two share
    // one, though their area would fit two boards.
    SetElementList(*document, ListOf({MakeElement(1500, 1500, 3)}));
    ChooseFromGridMenu(*document, {QStringLiteral("Plan secenja...")});
    auto *plan = window->findChild<PlanWindow *>();
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([plan] { return !plan->Searching() && !plan->Plan().Boards.empty(); }));
    EXPECT_EQ(plan->Plan().LowerBound, 2);
    EXPECT_TRUE(Text(*plan, "Summary").startsWith(QStringLiteral("Table: 3 (najmanje 3)")));
    EXPECT_TRUE(Text(*plan, "State").startsWith(QStringLiteral("Plan je gotov: sa manje tabli ne moze")));
}

TEST_F(PlanWindowTest, OneWindowADocumentClosedWithItsDocument)
{
    TForm16 *empty = window->NewDocument();
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(window->findChild<PlanWindow *>(), nullptr) << "an empty list has no plan";
    empty->close();

    ClientArea()->setActiveSubWindow(document);
    PlanWindow &plan = Open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(window->findChildren<PlanWindow *>().size(), 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&plan)) << "asked again, the window there is comes to the front";

    // The document goes while the search runs: its window goes with it.
    const QPointer<PlanWindow> guard = &plan;
    desktop.AnswerBox(Platform::Answer::Yes);
    document->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }));
}

TEST_F(PlanWindowTest, PrintsThePlanABoardAPageAndTheLabelsInCuttingOrder)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed here";
    PlanWindow &plan = Open();
    Stop(plan);
    const int boards = static_cast<int>(plan.Plan().Boards.size());

    QTest::keyClick(&plan, Qt::Key_L, Qt::AltModifier);
    const QString pdf = QString::fromStdString(Path("DATA/Untitled 1-plan.pdf"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.OpenedWithDesktop() == QStringList({pdf}); }));
    EXPECT_TRUE(Notice().endsWith(pdf));
    EXPECT_EQ(PdfPages(ReadAll(pdf.toStdString())), boards);

    ASSERT_TRUE(QTest::qWaitForWindowActive(&plan)) << "the window has the keyboard again";
    desktop.AnswerLabelOptions(LabelJobOptions{LabelLayout::A4By3x8, 1, true});
    QTest::keyClick(&plan, Qt::Key_N, Qt::AltModifier);
    const QString labels = QString::fromStdString(Path("DATA/Untitled 1-nalepnice.pdf"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.OpenedWithDesktop().size() == 2; }));
    EXPECT_EQ(desktop.OpenedWithDesktop().back(), labels);
    const int pieces = static_cast<int>(plan.Plan().Pieces.size());
    EXPECT_EQ(PdfPages(ReadAll(labels.toStdString())), (pieces + 23) / 24);
}

} // namespace
