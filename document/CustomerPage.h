#pragma once
// The page "Podaci o kupcu": the customer's name, address and telephone, kept
// as Unicode on screen and as Windows-1250 bytes in the file. The widgets are
// children of the page given.

#include <QObject>
#include <QString>

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QWidget;

class CustomerPage : public QObject {
    Q_OBJECT
public:
    explicit CustomerPage(QWidget *page);

    QLabel *const Label1;
    QLabel *const Label2;
    QLabel *const Label3;
    QLineEdit *const Edit2;
    QLineEdit *const Edit3;
    QLineEdit *const Edit4;

    // Name, address and telephone as shown.
    std::array<QString, 3> Texts() const;
    void Clear();

    // A field as the Windows-1250 bytes the file stores, and back. The fields
    // refuse characters Windows-1250 cannot hold when typed.
    static std::string Bytes(const QLineEdit *edit);
    static void SetBytes(QLineEdit *edit, const std::string &bytes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TabSheet2Resize();

    QWidget *m_page;
};
