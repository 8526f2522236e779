#include "test_main_fixture.h"

#include "document/Unit16.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <stdexcept>

TSettings TestSettings()
{
    TSettings settings;
    settings.SetUnit(1);
    settings.SetControlColour(0x00EDEFFE);
    settings.SetMainColour(0x00808000);
    settings.SetSelectedTextColour(0x00FFFFFF);
    settings.SetSelectedBackColour(0x00800000);
    return settings;
}

std::string Bytes(const TSettings &settings)
{
    return std::string(reinterpret_cast<const char *>(settings.bytes().data()), settings.bytes().size());
}

void WhenTheDialogShows(std::function<void(QWidget &)> user)
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

void TypeAndEnter(const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void PressKey(QKeyCombination key)
{
    QTest::keyClick(QGuiApplication::focusWindow(), key.key(), key.keyboardModifiers());
}

void TabTo(QWidget *target, bool backwards)
{
    for (int i = 0; i < 30 && QApplication::focusWidget() != target; ++i)
        PressKey(backwards ? Qt::SHIFT | Qt::Key_Backtab : QKeyCombination(Qt::Key_Tab));
    EXPECT_EQ(QApplication::focusWidget(), target) << target->objectName().toStdString();
}

void InModalWindow(const std::function<void()> &open, const std::function<void()> &user)
{
    QTimer poll;
    bool done = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : QApplication::activeModalWidget();
        if (done || modal == nullptr || QGuiApplication::focusWindow() != modal->windowHandle())
            return;
        done = true;
        user();
    });
    poll.start(10);
    open();
    EXPECT_TRUE(done);
}

void MainWindowTest::GiveTheFrameTheKeyboard()
{
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return QGuiApplication::focusWindow() == window->windowHandle(); }));
}

namespace {

// Clicks the items of `path`, from the open menu down through its submenus.
void ClickThrough(const QStringList &path)
{
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "no menu open";
    for (const QString &caption : path) {
        const QList<QAction *> actions = menu->actions();
        const auto found = std::find_if(actions.cbegin(), actions.cend(),
                                        [&](const QAction *action) { return action->text() == caption; });
        ASSERT_NE(found, actions.cend()) << "no item " << caption.toStdString();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*found).center());
        if (QMenu *submenu = (*found)->menu()) {
            ASSERT_TRUE(QTest::qWaitFor([submenu] { return submenu->isVisible(); }));
            menu = submenu;
        }
    }
}

} // namespace

void ChooseFromGridMenu(TForm16 &document, const QStringList &path)
{
    QTimer::singleShot(0, [path] { ClickThrough(path); });
    QWidget *viewport = document.SG1->viewport();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 40), viewport->mapToGlobal(QPoint(20, 40)));
    QApplication::sendEvent(viewport, &click);
}

TForm1 &MainWindowTest::StartWindow()
{
    window = TForm1::Start(desktop, state, dir.path());
    if (!window)
        throw std::runtime_error("the main window refused to start");
    return *window;
}

QString MainWindowTest::Notice() const
{
    return window->findChild<QLabel *>(QStringLiteral("NoticeLine"))->text();
}

QMdiArea *MainWindowTest::ClientArea() const
{
    return window->findChild<QMdiArea *>();
}

TForm1 &MainWindowTest::ShowWindow()
{
    StartWindow();
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
}

void ShownWindowTest::SetUp()
{
    QApplication::setQuitOnLastWindowClosed(false);
    WriteSettings(TestSettings());
    ShowWindow();
}

void ShownWindowTest::TearDown()
{
    QApplication::setQuitOnLastWindowClosed(true);
}
