#include "dialogs/DialogWidgets.h"

#include "dialogs/BandingComboBox.h"
#include "dialogs/SelectingLineEdit.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace {

constexpr int kBandingBoxHeight = 21;

} // namespace

QFont DialogFont(int pixelHeight)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

QLineEdit *EditAt(const QRect &geometry, QWidget *parent)
{
    auto *edit = new SelectingLineEdit(parent);
    edit->setGeometry(geometry);
    return edit;
}

QComboBox *NewBandingBox(int left, int top, int width, QWidget *parent)
{
    auto *box = new BandingComboBox(parent);
    box->setGeometry(left, top, width, kBandingBoxHeight);
    return box;
}

void NameComponents(std::initializer_list<std::pair<QObject *, const char *>> components)
{
    for (const auto &[component, name] : components)
        component->setObjectName(QString::fromLatin1(name));
}
