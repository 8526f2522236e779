#pragma once
// A panel on which one line of text moves from right to left: it enters one
// character per step at the right edge, then moves left by one space width per
// step, and starts over once it has left on the left. One timer at most; it
// stops when the panel is hidden or destroyed, not while its window is minimised.

#include <QBasicTimer>
#include <QColor>
#include <QFrame>
#include <QString>

class TScrollingText : public QFrame {
    Q_OBJECT
public:
    explicit TScrollingText(QWidget *parent);
    ~TScrollingText() override;

    // Read when the scrolling starts or the panel paints; setting them redraws nothing.
    QString Text = QStringLiteral("Text");
    int Timer = 150;             // ms between two steps
    QColor TextColor = Qt::black;
    int Position = 1;            // steps taken since the start

    void StartScrolling();
    void StopScrolling();
    void ScrollStep();
    void DrawScroll(int n);
    bool Running() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct Line {
        QString shown;
        int x = 0;
        int y = 0;
        bool leftControl = false; // the whole text is past the left border
    };
    Line LineAt(int n) const;

    QBasicTimer m_timer;
};
