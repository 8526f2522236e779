#include "platform/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

#include <algorithm>

namespace {

// Message texts break lines with "\r", "\r\n" or "\n"; Qt wants "\n".
QString PlainLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QMessageBox::Icon BoxIcon(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Information: return QMessageBox::Information;
    case Platform::Icon::Warning: return QMessageBox::Warning;
    case Platform::Icon::Error: return QMessageBox::Critical;
    case Platform::Icon::Question: return QMessageBox::Question;
    case Platform::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// The caption names the kind of box, as the classic message dialogs do.
QString BoxCaption(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Information: return QStringLiteral("Information");
    case Platform::Icon::Warning: return QStringLiteral("Warning");
    case Platform::Icon::Error: return QStringLiteral("Error");
    case Platform::Icon::Question: return QStringLiteral("Confirm");
    case Platform::Icon::None: break;
    }
    return QStringLiteral("Morvena");
}

QMessageBox::StandardButtons BoxButtons(Platform::Buttons buttons)
{
    switch (buttons) {
    case Platform::Buttons::Ok: return QMessageBox::Ok;
    case Platform::Buttons::Cancel: return QMessageBox::Cancel;
    case Platform::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Platform::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Platform::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Platform::Answer AnswerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return Platform::Answer::Ok;
    case QMessageBox::Cancel: return Platform::Answer::Cancel;
    case QMessageBox::Yes: return Platform::Answer::Yes;
    case QMessageBox::No: return Platform::Answer::No;
    default: return Platform::Answer::Closed;
    }
}

QMessageBox::StandardButton ButtonOf(Platform::Answer answer)
{
    switch (answer) {
    case Platform::Answer::Ok: return QMessageBox::Ok;
    case Platform::Answer::Cancel: return QMessageBox::Cancel;
    case Platform::Answer::Yes: return QMessageBox::Yes;
    case Platform::Answer::No: return QMessageBox::No;
    case Platform::Answer::Closed: break;
    }
    return QMessageBox::NoButton;
}

// Qt's box turns Escape and its close box into a click of its escape button
// (No of a Yes/No question); here both close the box unanswered, so a caller
// can tell "closed" from a deliberate No.
class UnansweredOnEscapeBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            reject();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override { QDialog::closeEvent(event); }
};

// A box wide enough for its title in a title bar's bold face beside the
// window's icon and three buttons, each as wide as the bar is high: the window
// manager cuts a title that does not fit, and the question is in it.
int WidthShowingTitle(const QWidget &box)
{
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int buttons = 4 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + buttons;
}

// The dialogs never touch the process's current directory: QFileDialog only
// starts in the directory it is given.
Platform::FileChoice RunFileDialog(QFileDialog &box, const Platform::FileDialog &dialog)
{
    box.setWindowTitle(dialog.title);
    box.setNameFilters(dialog.filters);
    if (dialog.selectedFilter >= 0 && dialog.selectedFilter < dialog.filters.size())
        box.selectNameFilter(dialog.filters.at(dialog.selectedFilter));
    box.setDirectory(dialog.initialDirectory);
    box.setDefaultSuffix(dialog.defaultSuffix);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return {};
    return {box.selectedFiles().constFirst(), std::max(0, int(dialog.filters.indexOf(box.selectedNameFilter())))};
}

} // namespace

Platform::Answer QtPlatform::ShowMessageBox(Icon icon, Buttons buttons, const QString &text, Answer defaultButton)
{
    UnansweredOnEscapeBox box(BoxIcon(icon), BoxCaption(icon), PlainLines(text), BoxButtons(buttons),
                              QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // file names may hold '<' and '&'
    if (QAbstractButton *button = box.button(ButtonOf(defaultButton)))
        box.setDefaultButton(static_cast<QPushButton *>(button));
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    return clicked ? AnswerOf(box.standardButton(clicked)) : Answer::Closed;
}

std::optional<QString> QtPlatform::InputBox(const QString &title, const QString &prompt, const QString &text)
{
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(text);
    // Its layout keeps the box to its contents' size: the field makes it wide.
    if (auto *field = box.findChild<QLineEdit *>()) {
        const QMargins margins = box.layout() != nullptr ? box.layout()->contentsMargins() : QMargins();
        field->setMinimumWidth(WidthShowingTitle(box) - margins.left() - margins.right());
    }
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

Platform::FileChoice QtPlatform::OpenDialog(const FileDialog &dialog)
{
    QFileDialog box(QApplication::activeWindow());
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::ExistingFile); // the file and its path must exist
    return RunFileDialog(box, dialog);
}

Platform::FileChoice QtPlatform::SaveDialog(const FileDialog &dialog)
{
    QFileDialog box(QApplication::activeWindow());
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setOption(QFileDialog::DontConfirmOverwrite, true); // the save command asks, in its own words
    return RunFileDialog(box, dialog);
}

std::optional<QColor> QtPlatform::ColourDialog(const QColor &initial)
{
    // Qt's colour dialog always shows the custom colours beside the basic ones.
    QColorDialog box(initial, QApplication::activeWindow());
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.selectedColor();
}

void QtPlatform::ProcessEvents()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::OpenWithDesktop(const QString &fileName)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

void QtPlatform::Beep()
{
    QApplication::beep();
}
