#pragma once
// The modal progress of a printout: elements printed of elements to print and
// a Cancel button that aborts the canvas. While it lives, user input reaches
// only this dialog; input meant for other windows is dropped, so nothing the
// printout reads can change under it.

#include "print/core/PrintCanvas.h"
#include "print/core/PrintProgress.h"

#include <QProgressDialog>

// What the printout counts, for the dialog's texts.
enum class PrintedItems { Elements, Labels, Boards };

class PrintProgressDialog : public QProgressDialog, public PrintProgress {
    Q_OBJECT
public:
    // canvas must outlive the dialog.
    explicit PrintProgressDialog(PrintCanvas &canvas, QWidget *parent = nullptr,
                                 PrintedItems items = PrintedItems::Elements);

    // Shows the count and lets pending events run, this dialog's input included.
    void Step(int printed, int total) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_progressText; // %1 printed of %2
    bool IsOwnTarget(QObject *watched) const;
};
