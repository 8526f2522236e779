// The frame's menu, tool buttons and status bar.

#include "test_main_fixture.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ItemCase {
    const char *caption;
    const char *toolTip;
    const char *statusTip;
    QKeySequence shortCut;
    bool enabled;
};

struct ButtonCase {
    const char *name;
    const char *toolTip;
    const char *statusTip;
    bool enabled;
};

} // namespace

TEST_F(MainWindowTest, FileMenuHoldsItsItemsWithHintsAndShortCuts)
{
    WriteSettings(TestSettings());
    StartWindow();
    EXPECT_EQ(window->File1->title(), QStringLiteral("&File"));
    EXPECT_EQ(window->File1->menuAction()->statusTip(), QStringLiteral("File related commands"));

    const ItemCase expected[] = {
        {"&New", "New", "Create a new file", QKeySequence(Qt::CTRL | Qt::Key_N), true},
        {"&Open", "Open", "Open a file", QKeySequence(Qt::CTRL | Qt::Key_O), true},
        {"&Close", "Close", "Close current file", QKeySequence(), true},
        {"&Save", "Save", "Save current file", QKeySequence(Qt::CTRL | Qt::Key_S), true},
        {"&Export...", "Export", "Export the list for a cutting optimiser or a spreadsheet", QKeySequence(), true},
        {"", "", "", QKeySequence(), true},
        {"E&xit", "Exit", "Exit application", QKeySequence(), true},
    };
    const QList<QAction *> items = window->File1->actions();
    ASSERT_EQ(items.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const ItemCase &item = expected[i];
        SCOPED_TRACE(item.caption);
        EXPECT_EQ(items[i]->isSeparator(), *item.caption == 0);
        if (items[i]->isSeparator())
            continue;
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(items[i]->toolTip(), QString::fromUtf8(item.toolTip));
        EXPECT_EQ(items[i]->statusTip(), QString::fromUtf8(item.statusTip));
        EXPECT_EQ(items[i]->shortcut(), item.shortCut);
        EXPECT_EQ(items[i]->isEnabled(), item.enabled);
    }
}

TEST_F(MainWindowTest, ToolBarsHoldTheirButtonsInOrder)
{
    WriteSettings(TestSettings());
    StartWindow();
    const ButtonCase toolBar3[] = {
        {"ToolButton13", "Nova baza", "Kreiranje nove baze podataka", true},
        {"ToolButton14", "Ucitavanje podataka", "Ucitavanje podataka uz fajla", true},
        {"ToolButton15", "Snimanje podataka", "Snimanje podataka u fajl", true},
        {"ToolButton1", "Informacije o programu", "Informacije o programu", true},
    };
    const ButtonCase toolBar1[] = {
        {"ToolButton10", "Dodavanje", "Dodavanje podataka u aktivni prozor", true},
        {"ToolButton2", "Stampanje", "Stampanje spiska elemenata", true},
    };
    auto check = [](QToolBar *bar, const auto &cases) {
        const QList<QAction *> actions = bar->actions();
        ASSERT_EQ(actions.size(), qsizetype(std::size(cases)));
        for (qsizetype i = 0; i < actions.size(); ++i) {
            const ButtonCase &expected = cases[i];
            SCOPED_TRACE(expected.name);
            auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(actions[i]));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->objectName(), QString::fromUtf8(expected.name));
            EXPECT_EQ(button->toolTip(), QString::fromUtf8(expected.toolTip));
            EXPECT_EQ(button->statusTip(), QString::fromUtf8(expected.statusTip));
            EXPECT_EQ(button->isEnabled(), expected.enabled);
            EXPECT_EQ(button->size(), QSize(28, 25));
            EXPECT_FALSE(button->icon().isNull());
        }
    };
    check(window->ToolBar3, toolBar3);
    check(window->ToolBar1, toolBar1);
    EXPECT_EQ(window->ToolBar3->x(), 11);
    EXPECT_EQ(window->ToolBar1->x(), 174);
}

TEST_F(MainWindowTest, FrameBandAndStatusBarHaveTheirSizes)
{
    WriteSettings(TestSettings());
    StartWindow();
    EXPECT_EQ(window->size(), QSize(529, 464)) << "the design size, before the first activation maximises it";
    EXPECT_EQ(window->ControlBar1->height(), 36);
    EXPECT_EQ(window->ControlBar1->y(), 0);
    EXPECT_EQ(window->StatusBar->height(), 34);
    const QFont font = window->StatusBar->font();
    EXPECT_EQ(font.family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 16);
}

TEST_F(MainWindowTest, StatusBarShowsTheLongPartOfTheHintUnderTheMouse)
{
    WriteSettings(TestSettings());
    ShowWindow();

    QTest::mouseMove(window->ToolButton13);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->StatusBar->currentMessage().isEmpty(); }));
    EXPECT_EQ(window->StatusBar->currentMessage(), QStringLiteral("Kreiranje nove baze podataka"));

    QTest::mouseMove(window->ToolButton1);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->StatusBar->currentMessage() == QStringLiteral("Informacije o programu"); }));
}

TEST_F(MainWindowTest, GridPopupHoldsTheListCommandsInOrderAndTheColourSubmenu)
{
    WriteSettings(TestSettings());
    StartWindow();
    QMenu *popup = window->ListBox1Popup();
    ASSERT_NE(popup, nullptr);
    QStringList captions;
    for (QAction *item : popup->actions())
        captions << item->text();
    EXPECT_EQ(captions, QStringList({QStringLiteral("Obrisi element(e)"), QStringLiteral("Izmena podataka"),
                                     QStringLiteral("Pomnozi spisak elemenata sa..."),
                                     QStringLiteral("Pomnozi selektovane elemente sa..."),
                                     QStringLiteral("Postavi prioritet"), QStringLiteral("Spajanje istih elemenata"),
                                     QStringLiteral("Stampanje spiska elemenata"),
                                     QStringLiteral("Stampanje nalepnica..."), QStringLiteral("Plan secenja..."),
                                     QStringLiteral("Sortiranje spiska po duzini"), QStringLiteral("TEXTURA"),
                                     QStringLiteral("PODESAVANJE BOJE")}));
    EXPECT_EQ(popup->actions().constLast()->menu(), window->PODESAVANJEBOJE1);
    QStringList grain;
    for (QAction *item : window->EXTURA1->actions())
        grain << item->text();
    EXPECT_EQ(grain, QStringList({QStringLiteral("Postavi na sve elemente"), QStringLiteral("Ukloni sa svih elemenata"),
                                  QStringLiteral("Kontra-textura na svim elementima")}));
    QStringList colours;
    for (QAction *item : window->PODESAVANJEBOJE1->actions())
        colours << item->text();
    EXPECT_EQ(colours, QStringList({QStringLiteral("Selektovani tekst"), QStringLiteral("Pozadina sel. teksta"),
                                    QStringLiteral("Pozadina kontrola"), QStringLiteral("Pozadina glavnog prozora")}));
}
