#pragma once
// The cutting plan of one document in a window of its own over the frame: the
// boards to scale one at a time (Page Up / Page Down), the summary, the
// planner's kerf, stage limit and time budget as fields, and the printouts.
// The search runs on a worker thread while the window shows the best plan so
// far; Stop ends it early. A change of the document's lists or material marks
// the plan out of date and ends its search until the plan is made again (Enter or F5).
// Not modal; deletes itself on close, and closes when its document goes.

#include "common/cutting/CuttingPlanner.h"
#include "main/PlanSummary.h"

#include <QDialog>
#include <QPointer>

#include <optional>

class Document;
class PlanRunner;
class PlanView;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
struct CommandContext;

class PlanWindow : public QDialog {
    Q_OBJECT
public:
    // context (the frame's) must outlive the window. Plans at once.
    PlanWindow(const CommandContext &context, Document &document, QWidget *frame);

    // The document planned; null once it has gone.
    const Document *PlannedDocument() const;
    // The plan shown: the best so far while the search runs.
    const CuttingPlan &Plan() const;
    bool Searching() const;
    bool OutOfDate() const { return m_outOfDate; }

    // Makes the plan anew with the fields' values.
    void Replan();
    void StopSearch();

private:
    void BuildFields();
    void BuildView();
    void ConnectRunner();
    void ShowPlan(const CuttingPlan &plan);
    void ShowSearch(qint64 iterations, double seconds);
    void SearchEnded(const PlanResult &result);
    QString EndText(const PlanResult &result) const;
    void MarkOutOfDate();
    void UpdateButtons();
    void PrintPlan();
    void PrintLabels();
    void Printed(const std::optional<QString> &where);
    void ShowTitle();

    const CommandContext &m_context;
    QPointer<Document> m_document;
    PlanRunner *m_runner;
    CuttingBoard m_board;        // the board the plan was asked for
    PlanCosts m_costs;
    QString m_material;          // the name of the board the plan was made for
    double m_budget = kDefaultPlanSeconds;
    bool m_outOfDate = false;
    bool m_stopped = false;      // the user ended the search

    QSpinBox *m_kerf = nullptr;
    QComboBox *m_stages = nullptr;
    QSpinBox *m_seconds = nullptr;
    QPushButton *m_replan = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_printPlan = nullptr;
    QPushButton *m_printLabels = nullptr;
    QLabel *m_boardLine = nullptr;
    PlanView *m_view = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_state = nullptr;
};
