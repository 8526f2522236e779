#pragma once
// The about box: the program's moving identification line, a picture and the
// version. It ends Accepted however it is closed; the scrolling stops with it.

#include <QDialog>

class QLabel;
class QPushButton;
class TScrollingText;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    // showHints: whether the main window shows hints.
    TForm7(bool showHints, QWidget *parent);
    ~TForm7() override;

    // Components keep the names of the form.
    TScrollingText *ScrollingText1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Verzija = nullptr;
    QLabel *Label13 = nullptr;
    QPushButton *Button1 = nullptr;

    void AboutFormActivate();
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_showHints;
};
