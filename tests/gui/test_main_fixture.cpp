#include "test_main_fixture.h"

#include <QTest>

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

TForm1 &MainWindowTest::StartWindow()
{
    window = TForm1::Start(desktop, state, dir.path());
    if (!window)
        throw std::runtime_error("the main window refused to start");
    return *window;
}

TForm1 &MainWindowTest::ShowWindow()
{
    StartWindow();
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
}
