#pragma once
// The unit-of-measure label at the right end of the entry row: "mm", "cm" or
// "m" in bold, as large as fits, right-aligned; a double click of the left
// button asks for the other unit.

#include <QWidget>

#include <cstdint>

class TSettings;

// "mm", "cm", "m" for units 1, 2, 3; empty for any other value.
QString UnitLabelText(std::int32_t unit);

class UnitLabel : public QWidget {
    Q_OBJECT
public:
    UnitLabel(const TSettings &settings, QWidget *parent);

    // The point size the label is drawn with for its text and size.
    int FittedPointSize() const;

signals:
    void DoubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QFont LabelFont(int pointSize) const;

    const TSettings &m_settings;
};
