#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// The status line of a work screen (`panInfo`): the mouse over a command
// writes that command's hint into it; the mouse over the background, a panel
// or a decorative rectangle empties it. It never restores the screen's
// initial text. Owned by the status label.
class StatusHints : public QObject {
public:
    explicit StatusHints(QLabel* panInfo);

    void addHint(QWidget* command, const QString& hint);
    void addBackground(QWidget* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const QString& text);

    QLabel* m_panInfo;
    QHash<QObject*, QString> m_hints;
};
