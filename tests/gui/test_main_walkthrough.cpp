// One whole list made with the keyboard alone, as a workshop user makes it:
// every key goes to the window the desktop gives the keyboard, and not one
// mouse event is sent.

#include "test_main_fixture.h"

#include "common/BoardType.h"
#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "document/Unit16.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <cstring>
#include <functional>

namespace {

// Counts the mouse's button and wheel events anywhere in the program.
class MouseWatch : public QObject {
public:
    MouseWatch() { qApp->installEventFilter(this); }
    int events = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            ++events;
            break;
        default:
            break;
        }
        return false;
    }
};

class Walkthrough : public MainWindowTest {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        TSettings settings = TestSettings();
        settings.SetBandingInUse(true);
        settings.SetGroupPanel(true);
        settings.SetTrim(10);
        WriteSettings(settings);
        TBoardTable table{};
        for (int b = 0; b < 2; ++b) {
            table[b].Length = 2800;
            table[b].Width = 2070;
            table[b].Grain = b; // the second has a grain
            table[b].Name.assign(b == 0 ? "Iverica bela" : "Iverica hrast");
        }
        WriteAll(Path(kBoardTableFileName), std::string(reinterpret_cast<const char *>(table.data()), 2 * sizeof(TBoardType)));
        ShowWindow();
    }
    void TearDown() override { QApplication::setQuitOnLastWindowClosed(true); }

    static void Type(const QString &text)
    {
        for (const QChar c : text)
            PressKey(QKeyCombination(Qt::Key(c.toLatin1())));
    }
    // Runs `user` in the modal window `open` shows, then gives the frame back the keyboard.
    void InModal(const std::function<void()> &open, const std::function<void()> &user)
    {
        InModalWindow(open, user);
        GiveTheFrameTheKeyboard();
    }
};

TEST_F(Walkthrough, OneListMadeWithTheKeyboardAlone)
{
    const MouseWatch mouse;
    PressKey(Qt::CTRL | Qt::Key_N);
    TForm16 *document = window->ActiveDocument();
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(QApplication::focusWidget(), static_cast<QWidget *>(document->Edit1));

    TabTo(document->ComboBox1, true); // the material: the second board, with a grain
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(document->MaterialIndex, 2);
    TabTo(document->Edit1);

    // Ten parts: length, width, count, then Space on "Prati teksturu" for every other one.
    for (int i = 0; i < 10; ++i) {
        Type(QString::number(400 + 50 * i));
        PressKey(Qt::Key_Return);
        Type(QString::number(i < 8 ? 300 : 250));
        PressKey(Qt::Key_Return);
        Type(QStringLiteral("2"));
        PressKey(Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), static_cast<QWidget *>(document->CheckBox1));
        if (i % 2 == 1)
            PressKey(Qt::Key_Space);
        PressKey(Qt::Key_Return);
    }
    ASSERT_EQ(ElementCount(document->Elements), 10);

    TabTo(document->SG1, true); // on the last part: band both length edges, one width edge
    PressKey(Qt::Key_3);
    PressKey(Qt::SHIFT | Qt::Key_2);
    PressKey(Qt::Key_Up);
    PressKey(Qt::Key_6);
    TabTo(document->Button2); // "Dodaj u novu grupu": a piece of the ninth part
    PressKey(Qt::Key_Space);
    EXPECT_EQ(GroupCount(document->Groups), 1);

    InModal([] { PressKey(Qt::CTRL | Qt::Key_E); }, [] {
        for (int i = 0; i < 5; ++i) { // length, its banding, width, its banding, count, grain, "Dodaj elemente"
            Type(QString::number(700 + i));
            PressKey(Qt::Key_Return);
            PressKey(Qt::Key_Down); // the next banding code
            PressKey(Qt::Key_Return);
            Type(QStringLiteral("560"));
            for (int k = 0; k < 5; ++k)
                PressKey(Qt::Key_Return);
        }
        // "Zavrsen unos", backwards: Tab onto "Dodaj elemente" sends the focus back to the length.
        TabTo(QApplication::activeModalWidget()->findChild<QWidget *>(QStringLiteral("Button1")), true);
        PressKey(Qt::Key_Return);
    });
    ASSERT_EQ(ElementCount(document->Elements), 15);

    TabTo(document->SG1, true); // edit the first part, below the blank row
    for (int i = 0; i < 20; ++i)
        PressKey(Qt::Key_Up);
    PressKey(Qt::Key_Down);
    InModal([] { PressKey(Qt::Key_Return); }, [] {
        Type(QStringLiteral("777"));
        for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i)
            PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(+document->Elements[0].Length, 777);

    PressKey(Qt::CTRL | Qt::Key_U);
    EXPECT_EQ(document->SG1->model()->index(2, 1).data().toString(), QStringLiteral("77.7"));
    PressKey(Qt::CTRL | Qt::Key_U);

    PressKey(Qt::CTRL | Qt::Key_PageDown);
    PressKey(Qt::CTRL | Qt::Key_PageDown);
    ASSERT_EQ(document->Pages1->currentWidget(), document->TabSheet3);
    EXPECT_EQ(document->SG2->item(2, 2)->text(), QStringLiteral("25 [16]")); // ten parts of 2, five of 1; 15 lines and a group
    PressKey(Qt::CTRL | Qt::Key_PageUp);
    PressKey(Qt::CTRL | Qt::Key_PageUp);

    TabTo(document->SG1);
    InModal([] { PressKey(Qt::SHIFT | Qt::Key_F10); }, [] {
        for (int i = 0; i < 7; ++i) // down to "Stampanje spiska elemenata"
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    });
    if (QPrinterInfo::defaultPrinter().isNull()) {
        EXPECT_EQ(desktop.OpenedWithDesktop().size(), 1) << "printed into a PDF";
    }

    desktop.AnswerSave({QString::fromStdString(Path("kuhinja.tab")), 0});
    PressKey(Qt::CTRL | Qt::Key_S);
    DatabaseContents saved;
    ASSERT_EQ(ReadDatabaseContents(Path("kuhinja.tab"), saved), rcOK);
    EXPECT_EQ(std::memcmp(&saved.Elements, &document->Elements, sizeof saved.Elements), 0);
    EXPECT_EQ(GroupCount(saved.Groups), 1);
    const TElement last = saved.Elements[9];
    EXPECT_EQ(+last.LengthBanding, 2);
    EXPECT_EQ(+last.WidthBanding, 1);
    EXPECT_EQ(+saved.Elements[8].LengthBanding, 5);
    EXPECT_EQ(+saved.Elements[0].Grain, 1);
    EXPECT_EQ(+saved.Elements[1].Grain, 0);
    EXPECT_EQ(+saved.Elements[14].LengthBanding, 5) << "the box keeps its code: one step down per part";
    EXPECT_EQ(document->Model().Title(), QStringLiteral("kuhinja"));
    EXPECT_EQ(mouse.events, 0);
}

} // namespace
