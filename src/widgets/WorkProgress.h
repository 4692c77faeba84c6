#pragma once

#include <QProgressDialog>
#include <QString>

class QWidget;

// A progress window with an "Annulla" button for long work that runs inside
// one click on the user-interface thread (reading a large archive, writing
// an export). It appears only when the work goes on for more than a moment,
// and step() lets the window repaint and take the click on "Annulla".
// It does not run the work: the work calls step() as it goes.
class WorkProgress {
public:
    WorkProgress(QWidget* parent, const QString& label);
    ~WorkProgress();
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

    // Reports `done` of `total` units; false once the user has cancelled.
    bool step(qint64 done, qint64 total);

    // How long the work runs before the window appears, in milliseconds.
    static constexpr int kShowAfterMs = 500;

private:
    QProgressDialog m_dialog;
};
