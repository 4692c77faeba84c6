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
    Q_OBJECT

public:
    explicit StatusHints(QLabel* panInfo);

    void addHint(QWidget* command, const QString& hint);
    void addBackground(QWidget* area);
    // Adds the key that also gives the command to its hint, as "(Ctrl+S)".
    void nameKey(QWidget* command, const QString& keyName);

    // The hints of the status line `panInfo`, or null when it has none.
    static StatusHints* of(QLabel* panInfo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const QString& text);

    QLabel* m_panInfo;
    QHash<QObject*, QString> m_hints;
};
