#pragma once
// The page "Podaci o kupcu": the customer's name, address and telephone, shown
// as Unicode and kept by the document as the Windows-1250 bytes the file holds.
// The widgets are children of the page given. A text longer than its field's
// typing limit (a file may hold more) is shown and kept whole.

#include "common/DatabaseContents.h"

#include <QObject>
#include <QString>

#include <string>

class QLabel;
class QLineEdit;
class QWidget;

class CustomerPage : public QObject {
    Q_OBJECT
public:
    explicit CustomerPage(QWidget *page);

    QLabel *const nameLabel;
    QLabel *const addressLabel;
    QLabel *const telephoneLabel;
    QLineEdit *const nameEdit;
    QLineEdit *const addressEdit;
    QLineEdit *const telephoneEdit;

    // Shows the texts; fields already showing them are left as they are, so a
    // field being typed in keeps its cursor.
    void Show(const CustomerTexts &texts);

    // A field's text as Windows-1250 bytes. The fields refuse characters
    // Windows-1250 cannot hold when typed; one set by code becomes "?".
    static std::string Bytes(const QLineEdit *edit);

signals:
    // A field changed other than by Show: the texts as they read now.
    void Edited(const CustomerTexts &texts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CustomerTexts Texts() const;
    void ShowText(QLineEdit *edit, int typingLimit, const std::string &bytes);
    void FieldChanged(QLineEdit *edit, int typingLimit);
    void TabSheet2Resize();

    QWidget *m_page;
    bool m_showing = false;
};
