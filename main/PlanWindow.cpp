#include "main/PlanWindow.h"

#include "common/Conversions.h"
#include "common/DatabaseStatistics.h"
#include "common/Encoding.h"
#include "common/MaterialSettings.h"
#include "common/ProgramState.h"
#include "common/cutting/PlanBoard.h"
#include "common/cutting/PlanPieces.h"
#include "document/Document.h"
#include "main/CommandContext.h"
#include "main/ListCommands.h"
#include "main/PlanCommands.h"
#include "main/PlanRunner.h"
#include "main/PlanView.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kLargestKerf = 50;
constexpr int kLargestBudget = 3600;
constexpr int kTooLargeShown = 10; // references named when pieces do not fit

struct StageChoice {
    const char *text;
    int stages;
};
const StageChoice kStageChoices[] = {{"bez ogranicenja", 0}, {"2", 2}, {"3", 3}};

QString Seconds(double seconds)
{
    return QString::fromStdString(FloatToFixed(0, 1, seconds));
}

// The label before a field; Alt and its letter go to the field.
QLabel *FieldLabel(const QString &text, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QString RefusalText(const PlanResult &result, const CuttingBoard &board)
{
    switch (result.Refusal) {
    case PlanRefusal::NoBoard:
        return QStringLiteral("Nema table za plan: izaberite materijal");
    case PlanRefusal::TooManyPieces:
        return QStringLiteral("Spisak ima vise od %1 komada: plan nije moguc").arg(kMaxPlanPieces);
    case PlanRefusal::PieceTooLarge: {
        QStringList refs;
        for (std::size_t i = 0; i < result.TooLarge.size() && i < kTooLargeShown; ++i)
            refs << QString::fromStdString(result.TooLarge[i]);
        if (result.TooLarge.size() > kTooLargeShown)
            refs << QStringLiteral("...");
        return QStringLiteral("Vece od table %1 x %2 mm: %3")
            .arg(board.UsableLength)
            .arg(board.UsableWidth)
            .arg(refs.join(QStringLiteral(", ")));
    }
    case PlanRefusal::None:
        break;
    }
    return QString();
}

} // namespace

PlanWindow::PlanWindow(const CommandContext &context, Document &document, QWidget *frame)
    : QDialog(frame), m_context(context), m_document(&document), m_runner(new PlanRunner(this))
{
    setObjectName(QStringLiteral("PlanWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(true);
    resize(900, 620);
    BuildFields();
    BuildView();
    ConnectRunner();
    connect(&document, &Document::listsChanged, this, &PlanWindow::MarkOutOfDate);
    connect(&document, &Document::materialChanged, this, &PlanWindow::MarkOutOfDate);
    connect(&document, &Document::titleChanged, this, &PlanWindow::ShowTitle);
    // The document's window closed: nothing is left to plan.
    connect(&document, &QObject::destroyed, this, &QWidget::close);
    ShowTitle();
    Replan();
}

void PlanWindow::BuildFields()
{
    m_kerf = new QSpinBox(this);
    m_kerf->setObjectName(QStringLiteral("Kerf"));
    m_kerf->setRange(0, kLargestKerf);
    m_kerf->setValue(kDefaultKerfMm);
    m_stages = new QComboBox(this);
    m_stages->setObjectName(QStringLiteral("Stages"));
    for (const StageChoice &choice : kStageChoices)
        m_stages->addItem(QString::fromLatin1(choice.text), choice.stages);
    m_seconds = new QSpinBox(this);
    m_seconds->setObjectName(QStringLiteral("Seconds"));
    m_seconds->setRange(1, kLargestBudget);
    m_seconds->setValue(static_cast<int>(kDefaultPlanSeconds));

    m_replan = new QPushButton(QStringLiteral("&Ponovo (F5)"), this);
    m_replan->setObjectName(QStringLiteral("Replan"));
    m_replan->setDefault(true); // Enter in a field makes the plan anew
    m_stop = new QPushButton(QStringLiteral("&Stop"), this);
    m_stop->setObjectName(QStringLiteral("Stop"));
    m_printPlan = new QPushButton(QStringLiteral("Stampanje p&lana"), this);
    m_printPlan->setObjectName(QStringLiteral("PrintPlan"));
    m_printLabels = new QPushButton(QStringLiteral("&Nalepnice po planu"), this);
    m_printLabels->setObjectName(QStringLiteral("PrintLabels"));
    connect(m_replan, &QPushButton::clicked, this, &PlanWindow::Replan);
    connect(m_stop, &QPushButton::clicked, this, &PlanWindow::StopSearch);
    connect(m_printPlan, &QPushButton::clicked, this, &PlanWindow::PrintPlan);
    connect(m_printLabels, &QPushButton::clicked, this, &PlanWindow::PrintLabels);

    auto *replan = new QAction(this);
    replan->setShortcut(QKeySequence(Qt::Key_F5));
    connect(replan, &QAction::triggered, this, &PlanWindow::Replan);
    addAction(replan);
}

void PlanWindow::BuildView()
{
    m_boardLine = new QLabel(this);
    m_boardLine->setObjectName(QStringLiteral("BoardLine"));
    m_view = new PlanView(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("Summary"));
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("State"));
    connect(m_view, &PlanView::BoardShown, this, [this](int board) {
        m_boardLine->setText(m_view->BoardCount() > 0
                                 ? BoardLine(m_view->Plan(), board) + QStringLiteral("   (PgUp / PgDn)")
                                 : QString());
    });
    // Page Up and Page Down turn the boards whatever field has the focus.
    const std::pair<QKeySequence, int> turns[] = {{QKeySequence(Qt::Key_PageUp), -1},
                                                  {QKeySequence(Qt::Key_PageDown), 1}};
    for (const auto &[key, step] : turns) {
        auto *turn = new QAction(this);
        turn->setShortcut(key);
        connect(turn, &QAction::triggered, this, [this, step = step] { m_view->ShowBoard(m_view->Board() + step); });
        addAction(turn);
    }

    auto *fields = new QHBoxLayout;
    fields->addWidget(FieldLabel(QStringLiteral("&Rez (mm):"), m_kerf, this));
    fields->addWidget(m_kerf);
    fields->addWidget(FieldLabel(QStringLiteral("&Faze:"), m_stages, this));
    fields->addWidget(m_stages);
    fields->addWidget(FieldLabel(QStringLiteral("&Vreme (s):"), m_seconds, this));
    fields->addWidget(m_seconds);
    fields->addWidget(m_replan);
    fields->addWidget(m_stop);
    fields->addStretch();
    fields->addWidget(m_printPlan);
    fields->addWidget(m_printLabels);
    auto *column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addWidget(m_boardLine);
    column->addWidget(m_view, 1);
    column->addWidget(m_summary);
    column->addWidget(m_state);
}

void PlanWindow::ConnectRunner()
{
    connect(m_runner, &PlanRunner::Improved, this, [this](const CuttingPlan &plan, qint64 iterations, double seconds) {
        ShowPlan(plan);
        ShowSearch(iterations, seconds);
    });
    connect(m_runner, &PlanRunner::Advanced, this, &PlanWindow::ShowSearch);
    connect(m_runner, &PlanRunner::Finished, this, &PlanWindow::SearchEnded);
}

const Document *PlanWindow::PlannedDocument() const
{
    return m_document;
}

const CuttingPlan &PlanWindow::Plan() const
{
    return m_view->Plan();
}

bool PlanWindow::Searching() const
{
    return m_runner->Running();
}

void PlanWindow::ShowTitle()
{
    if (m_document)
        setWindowTitle(QStringLiteral("Plan secenja - ") + m_document->Title());
}

void PlanWindow::Replan()
{
    if (!m_document)
        return;
    m_kerf->interpretText();
    m_seconds->interpretText();
    const ProgramState &state = m_context.state;
    const TSettings settings = SettingsWithMaterial(state.Settings, state.BoardTypes, m_document->MaterialIndex());
    const DatabaseStatistics statistics =
        ComputeDatabaseStatistics(m_document->Elements(), m_document->Groups(), settings);
    m_costs = PlanCosts{settings.PricePerM2(), statistics.pvcTape, statistics.absTape};
    m_material = QString::fromStdString(Win1250ToUtf8(settings.MaterialName()));

    PlanRequest request;
    request.Board = m_board = PlanBoardOf(settings);
    request.Kerf = m_kerf->value();
    request.Stages = m_stages->currentData().toInt();
    request.Pieces = PlanPiecesOf(m_document->Elements(), m_document->Groups());
    m_outOfDate = false;
    m_stopped = false;
    m_budget = m_seconds->value();
    ShowPlan(CuttingPlan());
    if (request.Pieces.empty()) {
        m_runner->Cancel(); // a plan of the list before must not come in after this
        m_state->setText(QStringLiteral("Spisak je prazan"));
        UpdateButtons();
        return;
    }
    PlanLimits limits;
    limits.Seconds = m_budget;
    m_runner->Start(std::move(request), std::move(limits));
    m_state->setText(QStringLiteral("Pravi se plan..."));
    UpdateButtons();
}

void PlanWindow::StopSearch()
{
    if (!m_runner->Running())
        return;
    m_stopped = true;
    m_runner->Stop();
}

void PlanWindow::ShowPlan(const CuttingPlan &plan)
{
    m_view->SetPlan(plan);
    m_summary->setText(plan.Boards.empty() ? QString() : PlanSummaryLine(plan, m_costs));
}

void PlanWindow::ShowSearch(qint64 iterations, double seconds)
{
    if (m_outOfDate)
        return;
    m_state->setText(QStringLiteral("Trazi se bolji plan: %1 koraka, %2 s od %3 s")
                         .arg(iterations)
                         .arg(Seconds(seconds), Seconds(m_budget)));
}

void PlanWindow::SearchEnded(const PlanResult &result)
{
    const bool refused = result.Refusal != PlanRefusal::None;
    ShowPlan(refused ? CuttingPlan() : result.Plan);
    if (!m_outOfDate)
        m_state->setText(refused ? RefusalText(result, m_board) : EndText(result));
    UpdateButtons();
}

QString PlanWindow::EndText(const PlanResult &result) const
{
    const QString steps = QString::number(result.Iterations);
    if (m_stopped)
        return QStringLiteral("Zaustavljeno posle %1 koraka").arg(steps);
    if (static_cast<int>(result.Plan.Boards.size()) <= result.Plan.LeastBoards)
        return QStringLiteral("Plan je gotov: sa manje tabli ne moze (%1 koraka)").arg(steps);
    return QStringLiteral("Plan je gotov: vreme je isteklo posle %1 koraka").arg(steps);
}

void PlanWindow::MarkOutOfDate()
{
    m_outOfDate = true;
    m_runner->Stop();
    m_state->setText(QStringLiteral("Plan je zastareo: spisak ili materijal je izmenjen. Novi plan: Enter ili F5"));
    UpdateButtons();
}

void PlanWindow::UpdateButtons()
{
    const bool searching = m_runner->Running();
    m_stop->setEnabled(searching);
    const bool printable = !searching && !m_outOfDate && m_view->BoardCount() > 0;
    m_printPlan->setEnabled(printable);
    m_printLabels->setEnabled(printable);
}

void PlanWindow::PrintPlan()
{
    if (!m_document)
        return;
    const std::optional<QString> where = PrintPlanOfDocument(m_context, *m_document, Plan(), m_material, this);
    Printed(where);
}

void PlanWindow::PrintLabels()
{
    if (!m_document)
        return;
    const std::optional<QString> where = PrintLabelsOfDocument(m_context, *m_document, &Plan(), this);
    Printed(where);
}

void PlanWindow::Printed(const std::optional<QString> &where)
{
    if (where)
        m_context.Tell(*where);
    // The printout's dialogs took the keyboard: it comes back here, for the next key.
    activateWindow();
}
