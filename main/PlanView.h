#pragma once
// One board of a cutting plan on the screen, drawn to scale by the same
// drawing as the printed plan pages. Holds the plan it shows.

#include "common/cutting/CuttingPlan.h"

#include <QWidget>

class PlanView : public QWidget {
    Q_OBJECT
public:
    explicit PlanView(QWidget *parent = nullptr);

    // Shows plan, on the same board as before where it still has one.
    void SetPlan(CuttingPlan plan);
    const CuttingPlan &Plan() const { return m_plan; }
    int BoardCount() const { return static_cast<int>(m_plan.Boards.size()); }
    // 0-based; 0 when the plan has no board.
    int Board() const { return m_board; }
    // Boards beyond either end stay on the first or the last.
    void ShowBoard(int board);

signals:
    void BoardShown(int board);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CuttingPlan m_plan;
    int m_board = 0;
};
