#pragma once
// Runs the cutting planner on a thread of its own, one plan at a time, so the
// window that asked stays responsive. What the planner reports comes back as
// signals on this object's thread, each carrying a copy; reports of a run that
// was replaced are dropped. Destroying the runner stops its run and waits for
// the thread.

#include "common/cutting/CuttingPlanner.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

class PlanRunner : public QObject {
    Q_OBJECT
public:
    explicit PlanRunner(QObject *parent = nullptr);
    ~PlanRunner() override;

    // Ends a run still going (waiting for its thread), then plans request within
    // limits; limits' Stop and Progress are the runner's own.
    void Start(PlanRequest request, PlanLimits limits);
    // Asks the run to end with its best plan; Finished follows.
    void Stop();
    // Ends the run and waits for its thread; nothing more of it is reported.
    void Cancel();
    // From Start until Finished.
    bool Running() const { return m_running; }

signals:
    // The first plan and every better one.
    void Improved(const CuttingPlan &plan, qint64 iterations, double seconds);
    // About ten times a second between better plans.
    void Advanced(qint64 iterations, double seconds);
    // The run ended: its budget spent, stopped, or refused.
    void Finished(const PlanResult &result);

private:
    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_stop{false};
    int m_run = 0; // the current run's number; read and written on this object's thread only
    bool m_running = false;
};
