#include "document/CustomerPage.h"

#include "common/Encoding.h"
#include "platform/Win1250Validator.h"
#include "platform/FormWidgets.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *Field(QWidget *page, int row, int maxLength)
{
    auto *edit = new QLineEdit(page);
    edit->setGeometry(80, 8 + 24 * row, 527, 21);
    edit->setMaxLength(maxLength);
    edit->setValidator(new Win1250Validator(edit));
    return edit;
}

} // namespace

CustomerPage::CustomerPage(QWidget *page)
    : QObject(page),
      Label1(LabelAt(QStringLiteral("Kupac:"), 8, 16, page)),
      Label2(LabelAt(QStringLiteral("Adresa:"), 8, 40, page)),
      Label3(LabelAt(QStringLiteral("Telefon:"), 8, 64, page)),
      Edit2(Field(page, 0, 50)),
      Edit3(Field(page, 1, 50)),
      Edit4(Field(page, 2, 20)),
      m_page(page)
{
    page->installEventFilter(this);
}

std::array<QString, 3> CustomerPage::Texts() const
{
    return {Edit2->text(), Edit3->text(), Edit4->text()};
}

void CustomerPage::Clear()
{
    for (QLineEdit *edit : {Edit2, Edit3, Edit4})
        edit->clear();
}

bool CustomerPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page && event->type() == QEvent::Resize)
        TabSheet2Resize();
    return QObject::eventFilter(watched, event);
}

void CustomerPage::TabSheet2Resize()
{
    // The fields reach to 5 pixels before the page's right edge.
    const int width = m_page->width() - Edit2->x() - 5;
    for (QLineEdit *edit : {Edit2, Edit3, Edit4})
        edit->resize(width, edit->height());
}

std::string CustomerPage::Bytes(const QLineEdit *edit)
{
    std::string bytes;
    if (Utf8ToWin1250(edit->text().toStdString(), bytes))
        return bytes;
    // Only text set by code can get here; the field refuses such characters when typed.
    for (const char32_t c : edit->text().toUcs4()) {
        std::string one;
        bytes += Utf8ToWin1250(QString::fromUcs4(&c, 1).toStdString(), one) ? one : std::string("?");
    }
    return bytes;
}

void CustomerPage::SetBytes(QLineEdit *edit, const std::string &bytes)
{
    edit->setText(QString::fromStdString(Win1250ToUtf8(bytes)));
}
