#include "main/PlanRunner.h"

#include <QThread>

#include <utility>

PlanRunner::PlanRunner(QObject *parent) : QObject(parent) {}

PlanRunner::~PlanRunner()
{
    Cancel();
}

void PlanRunner::Cancel()
{
    ++m_run; // what the run has posted and not yet delivered is dropped
    m_running = false;
    if (!m_thread)
        return;
    m_stop = true;
    m_thread->wait();
    m_thread.reset();
}

void PlanRunner::Start(PlanRequest request, PlanLimits limits)
{
    Cancel();
    m_stop = false;
    const int run = m_run;
    m_running = true;
    limits.Stop = &m_stop;
    // Called on the planning thread: copies go to this object's thread, where
    // `run` tells whether they still matter.
    limits.Progress = [this, run](const PlanProgress &progress) {
        if (progress.NewBest) {
            QMetaObject::invokeMethod(
                this,
                [this, run, plan = *progress.Best, iterations = progress.Iterations, seconds = progress.Seconds] {
                    if (run == m_run)
                        emit Improved(plan, iterations, seconds);
                },
                Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(
                this,
                [this, run, iterations = progress.Iterations, seconds = progress.Seconds] {
                    if (run == m_run)
                        emit Advanced(iterations, seconds);
                },
                Qt::QueuedConnection);
        }
    };
    m_thread.reset(QThread::create([this, run, request = std::move(request), limits = std::move(limits)] {
        const PlanResult result = PlanCutting(request, limits);
        QMetaObject::invokeMethod(
            this,
            [this, run, result] {
                if (run != m_run)
                    return;
                m_running = false;
                emit Finished(result);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
}

void PlanRunner::Stop()
{
    m_stop = true;
}
