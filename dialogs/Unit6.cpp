#include "dialogs/Unit6.h"

#include "common/ProgramIdentity.h"
#include "dialogs/AboutPicture.h"
#include "dialogs/DialogHints.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/TScrtext.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int kFormWidth = 339;
constexpr int kFormHeight = 209;

QFrame *PanelAt(const QRect &geometry, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    return panel;
}

QFont VersionFont()
{
    QFont font = DialogFont(16);
    font.setBold(true);
    return font;
}

} // namespace

TForm7::TForm7(bool showHints, QWidget *parent) : QDialog(parent), m_showHints(showHints)
{
    setWindowTitle(QStringLiteral("Informacije o programu"));
    setFixedSize(kFormWidth, kFormHeight);
    setFont(DialogFont(11));
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    setAutoFillBackground(true);

    ScrollingText1 = new TScrollingText(this);
    ScrollingText1->setGeometry(0, 0, kFormWidth, 33);
    ScrollingText1->Text = QStringLiteral("%1  -  %2  -  %3")
                               .arg(QString::fromUtf8(kProgramVersionLine), QString::fromUtf8(kProgramPurposeLine),
                                    QString::fromUtf8(kProgramSuiteLine));
    ScrollingText1->Timer = 160;
    ScrollingText1->TextColor = QColor(128, 0, 0);
    QFont lineFont = VersionFont();
    lineFont.setItalic(true);
    lineFont.setUnderline(true);
    ScrollingText1->setFont(lineFont);

    QFrame *Panel3 = PanelAt(QRect(0, 42, 153, 127), this);
    Image2 = new QLabel(Panel3);
    Image2->setGeometry(Panel3->contentsRect());
    Image2->setPixmap(QPixmap::fromImage(DrawAboutPicture(Image2->size())));

    QFrame *Panel2 = PanelAt(QRect(155, 42, 182, 127), this);
    QLabel *Label2 = LabelAt(QStringLiteral("Version"), 8, 2, Panel2);
    Label2->setFont(VersionFont());
    Label2->adjustSize();
    Verzija = LabelAt(QStringLiteral("1.0"), 88, 2, Panel2);
    Verzija->setFont(VersionFont());
    QPalette navy = Verzija->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Verzija->setPalette(navy);
    LabelAt(QStringLiteral("Datum verzije:"), 8, 28, Panel2);
    Label13 = LabelAt(QStringLiteral("24.06.2000."), 96, 28, Panel2);

    QFrame *Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(0, kFormHeight - 30, kFormWidth, 30);
    Button1 = new QPushButton(QStringLiteral("Povratak"), Panel1);
    Button1->setGeometry(254, 4, 75, 25);
    Button1->setDefault(true);
    SetDialogHint(Button1, QStringLiteral("Povratak u glavni prozor programa"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TForm7::~TForm7() = default;

void TForm7::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        AboutFormActivate();
}

void TForm7::AboutFormActivate()
{
    ScrollingText1->TextColor = Qt::black;
    ScrollingText1->StartScrolling();
    ShowDialogHints(this, m_showHints);
    Label13->setText(QStringLiteral("16.01.2006."));
    Label13->adjustSize();
    Verzija->setText(QStringLiteral("1.00 (1)"));
    Verzija->adjustSize();
    Button1->setFocus();
}

void TForm7::done(int)
{
    QDialog::done(QDialog::Accepted);
}

void TForm7::keyPressEvent(QKeyEvent *event)
{
    // The box has no cancel button: Escape leaves it open, as on the form.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
