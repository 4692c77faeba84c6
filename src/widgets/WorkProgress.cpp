#include "widgets/WorkProgress.h"

namespace {
// Steps of the bar: totals can exceed what an int holds.
constexpr int kSteps = 1000;
} // namespace

WorkProgress::WorkProgress(QWidget* parent, const QString& label)
    : m_dialog(label, QStringLiteral("Annulla"), 0, kSteps, parent) {
    m_dialog.setObjectName(QStringLiteral("WorkProgress"));
    m_dialog.setWindowTitle(QStringLiteral(" Vellarmo"));
    // Window-modal, so that each step lets the window repaint and take clicks.
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(kShowAfterMs);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setValue(0);
}

WorkProgress::~WorkProgress() {
    m_dialog.close();
}

bool WorkProgress::step(qint64 done, qint64 total) {
    if (m_dialog.wasCanceled())
        return false;
    const int value = total > 0 ? int(done * kSteps / total) : kSteps;
    m_dialog.setValue(std::min(value, kSteps));
    return !m_dialog.wasCanceled();
}
