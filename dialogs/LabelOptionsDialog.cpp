#include "dialogs/LabelOptionsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

struct LayoutItem {
    LabelLayout layout;
    const char *text;
};

const LayoutItem kLayoutItems[] = {
    {LabelLayout::A4By3x8, "A4, 3 x 8 nalepnica 70 x 37 mm"},
    {LabelLayout::A4By2x7, "A4, 2 x 7 nalepnica 99.1 x 38.1 mm"},
    {LabelLayout::Roll100x50, "Rolna, nalepnice 100 x 50 mm"},
};

} // namespace

LabelOptionsDialog::LabelOptionsDialog(bool printerInstalled, QWidget *parent)
    : QDialog(parent),
      m_layout(new QComboBox(this)),
      m_firstPosition(new QSpinBox(this)),
      m_toPrinter(new QRadioButton(QStringLiteral("Na stampac"), this)),
      m_toPdf(new QRadioButton(QStringLiteral("U PDF datoteku"), this))
{
    setWindowTitle(QStringLiteral("Stampanje nalepnica"));
    for (const LayoutItem &item : kLayoutItems)
        m_layout->addItem(QString::fromLatin1(item.text));
    m_toPrinter->setEnabled(printerInstalled);
    (printerInstalled ? m_toPrinter : m_toPdf)->setChecked(true);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nalepnice:"), m_layout);
    form->addRow(QStringLiteral("Prva pozicija na listu:"), m_firstPosition);
    form->addRow(m_toPrinter);
    form->addRow(m_toPdf);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Stampaj"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Odustani"));
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_layout, &QComboBox::currentIndexChanged, this, &LabelOptionsDialog::LayoutChosen);
    LayoutChosen();
}

void LabelOptionsDialog::LayoutChosen()
{
    // A roll has one position; a sheet as many as it has labels.
    const int positions = SheetOf(kLayoutItems[m_layout->currentIndex()].layout).LabelsPerPage();
    m_firstPosition->setRange(1, positions);
    m_firstPosition->setEnabled(positions > 1);
}

LabelJobOptions LabelOptionsDialog::Options() const
{
    return LabelJobOptions{kLayoutItems[m_layout->currentIndex()].layout, m_firstPosition->value(),
                           m_toPdf->isChecked()};
}

std::optional<LabelJobOptions> LabelOptionsDialog::Ask(bool printerInstalled, QWidget *parent)
{
    LabelOptionsDialog dialog(printerInstalled, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Options();
}
