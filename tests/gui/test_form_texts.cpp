// The texts the forms quote show whole in the room their widgets give them;
// only data (a material's name) is cut.

#include "test_dialog_fixture.h"
#include "test_document_host.h"

#include "dialogs/BandingComboBox.h"
#include "dialogs/Unit12.h"
#include "dialogs/Unit2.h"
#include "dialogs/DesktopPlatform.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>

namespace {

int Advance(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// The contents of a button or check box as the style lays them out.
int ContentsWidth(const QAbstractButton &button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    return button.style()->subElementRect(contents, &option, &button).width();
}

void ExpectWhole(const QAbstractButton &button)
{
    const auto contents = qobject_cast<const QCheckBox *>(&button) ? QStyle::SE_CheckBoxContents
                                                                  : QStyle::SE_PushButtonContents;
    EXPECT_LE(Advance(button.font(), button.text()), ContentsWidth(button, contents)) << button.text().toStdString();
}

// Each banding name in the closed box, and the open list as wide as the longest.
void ExpectWhole(BandingComboBox &box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.rect = box.rect();
    const int field = box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box).width();
    int widest = 0;
    for (int code = 0; code < box.count(); ++code) {
        box.setCurrentIndex(code);
        EXPECT_LE(Advance(box.CurrentTextFont(), box.currentText()), field - 2) << box.currentText().toStdString();
        EXPECT_GE(QFontInfo(box.CurrentTextFont()).pixelSize(), 6);
        widest = std::max(widest, Advance(box.view()->font(), box.currentText()));
    }
    box.showPopup();
    EXPECT_GE(box.view()->viewport()->width(), widest);
    box.hidePopup();
}

class FormTexts : public DialogTest {
protected:
    FormTexts()
    {
        state.Settings.SetBandingInUse(true);
        state.Settings.SetLabelsEntered(true);
        state.Settings.SetDefaultGrain(true);
    }
};

TEST_F(FormTexts, NewElementsDialogAndItsStatisticsPanel)
{
    state.Settings.SetMaterialName("Iverica hrast lancaster 18 mm, tamna, sa obe strane");
    TForm2 form(state, desktop, nullptr);
    Open(form);
    for (const QAbstractButton *button : {static_cast<QAbstractButton *>(form.Button2), static_cast<QAbstractButton *>(form.Button1),
                                          static_cast<QAbstractButton *>(form.CheckBox1)})
        ExpectWhole(*button);
    for (const QGroupBox *frame : {form.GroupBox1, form.RadioGroup1})
        EXPECT_LE(Advance(frame->font(), frame->title()), frame->contentsRect().width());
    for (QComboBox *box : {form.KantDuzine, form.KantSirine})
        ExpectWhole(*static_cast<BandingComboBox *>(box));

    form.Databaseproperties1->trigger();
    const QList<QLabel *> values = {form.Label12, form.Label13, form.Label21, form.Label14,
                                    form.Label15, form.Label16, form.Label17, form.Label18};
    for (QLabel *value : values) {
        const auto caption = std::find_if(form.Panel1->children().cbegin(), form.Panel1->children().cend(),
                                          [value](const QObject *child) {
                                              const auto *label = qobject_cast<const QLabel *>(child);
                                              return label && label != value && label->y() == value->y();
                                          });
        ASSERT_NE(caption, form.Panel1->children().cend());
        const auto *label = static_cast<const QLabel *>(*caption);
        EXPECT_LT(label->x() + Advance(label->font(), label->text()), value->x()) << label->text().toStdString();
    }
    EXPECT_LE(form.Label21->geometry().right(), form.Panel1->contentsRect().right());
    EXPECT_TRUE(form.Label21->text().endsWith(QChar(0x2026))) << "the name is data: it is cut";
    EXPECT_TRUE(form.Label21->text().startsWith(QStringLiteral("Iverica hrast")));
}

TEST_F(FormTexts, EditDialog)
{
    TForm12 form(state, nullptr);
    Open(form);
    for (const QAbstractButton *button : {static_cast<QAbstractButton *>(form.Button1), static_cast<QAbstractButton *>(form.Button2),
                                          static_cast<QAbstractButton *>(form.CheckBox1)})
        ExpectWhole(*button);
    for (QComboBox *box : {form.KantDuzine, form.KantSirine})
        ExpectWhole(*static_cast<BandingComboBox *>(box));
}

TEST_F(FormTexts, DocumentWindowsGrainBox)
{
    TestDocumentHost host;
    ExpectWhole(*host.NewDocument()->CheckBox1);
}

TEST_F(FormTexts, TheMultiplyBoxIsWideEnoughForItsTitle)
{
    DesktopPlatform realDesktop;
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QFont bold = box->font();
        bold.setBold(true);
        // The title bar also holds the window's icon and three buttons, each as wide as it is high.
        const int buttons = 4 * box->style()->pixelMetric(QStyle::PM_TitleBarHeight);
        EXPECT_LE(Advance(bold, box->windowTitle()) + buttons, box->width());
        static_cast<QDialog *>(box)->reject();
    });
    EXPECT_FALSE(realDesktop.InputBox(QStringLiteral("Unesite faktor mnozenja"), QStringLiteral("Faktor mnozenja: "),
                                      QStringLiteral("1")));
}

} // namespace
