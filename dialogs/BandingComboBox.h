#pragma once
// The pick-only list of the six banding codes, the item index being the code.
// Some names are longer than the form's boxes are wide: the closed box shows
// the chosen one in a font small enough to show it whole; the open list is
// as wide as its longest name, as every list of the style is.

#include <QComboBox>

class QStyleOptionComboBox;

class BandingComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit BandingComboBox(QWidget *parent);

    // The room the closed box gives the chosen name, and the font it shows it in.
    int TextRoom() const;
    QFont CurrentTextFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStyleOptionComboBox Option() const;
};
