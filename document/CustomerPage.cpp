#include "document/CustomerPage.h"

#include "common/Encoding.h"
#include "platform/Win1250Validator.h"
#include "platform/FormWidgets.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int kNameCharacters = 50;
constexpr int kAddressCharacters = 50;
constexpr int kTelephoneCharacters = 20;

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
      nameLabel(LabelAt(QStringLiteral("Kupac:"), 8, 16, page)),
      addressLabel(LabelAt(QStringLiteral("Adresa:"), 8, 40, page)),
      telephoneLabel(LabelAt(QStringLiteral("Telefon:"), 8, 64, page)),
      nameEdit(Field(page, 0, kNameCharacters)),
      addressEdit(Field(page, 1, kAddressCharacters)),
      telephoneEdit(Field(page, 2, kTelephoneCharacters)),
      m_page(page)
{
    page->installEventFilter(this);
    const std::pair<QLineEdit *, int> fields[] = {
        {nameEdit, kNameCharacters}, {addressEdit, kAddressCharacters}, {telephoneEdit, kTelephoneCharacters}};
    for (const auto &[edit, limit] : fields)
        connect(edit, &QLineEdit::textChanged, this, [this, edit = edit, limit = limit] { FieldChanged(edit, limit); });
}

void CustomerPage::Show(const CustomerTexts &texts)
{
    m_showing = true;
    ShowText(nameEdit, kNameCharacters, texts.Customer);
    ShowText(addressEdit, kAddressCharacters, texts.Address);
    ShowText(telephoneEdit, kTelephoneCharacters, texts.Telephone);
    m_showing = false;
}

void CustomerPage::ShowText(QLineEdit *edit, int typingLimit, const std::string &bytes)
{
    if (Bytes(edit) == bytes)
        return;
    const QString text = QString::fromStdString(Win1250ToUtf8(bytes));
    // setText cuts to the maximum length: the limit is for typing, not for what a file holds.
    edit->setMaxLength(std::max<int>(typingLimit, static_cast<int>(text.size())));
    edit->setText(text);
}

void CustomerPage::FieldChanged(QLineEdit *edit, int typingLimit)
{
    // Once a long text is shortened to the limit, typing is held to it again.
    if (edit->text().size() <= typingLimit)
        edit->setMaxLength(typingLimit);
    if (!m_showing)
        emit Edited(Texts());
}

CustomerTexts CustomerPage::Texts() const
{
    return {Bytes(nameEdit), Bytes(addressEdit), Bytes(telephoneEdit)};
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
    const int width = m_page->width() - nameEdit->x() - 5;
    for (QLineEdit *edit : {nameEdit, addressEdit, telephoneEdit})
        edit->resize(width, edit->height());
}

std::string CustomerPage::Bytes(const QLineEdit *edit)
{
    std::string bytes;
    if (Utf8ToWin1250(edit->text().toStdString(), bytes))
        return bytes;
    for (const char32_t c : edit->text().toUcs4()) {
        std::string one;
        bytes += Utf8ToWin1250(QString::fromUcs4(&c, 1).toStdString(), one) ? one : std::string("?");
    }
    return bytes;
}
