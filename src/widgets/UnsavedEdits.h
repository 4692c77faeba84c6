#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

class MessageBoxes;
class QAbstractButton;
class QLineEdit;
class QWidget;

// Whether the user changed the record an editor shows, and the question the
// editor asks before such a record is replaced or left. Only what the user
// does counts (typing, pasting, cutting, clicking a box, and what the editor
// marks itself, such as an import); texts the screen loads, clears or
// computes never do. The editor resets it whenever the record on screen is
// a fresh one: cleared, loaded or saved.
class UnsavedEdits {
public:
    // What the editor may do after settle().
    enum class Settled {
        Stay,  // Annulla, or Sì and the save was refused: keep the record
        Saved, // Sì and the record was stored
        Go,    // nothing was edited, or No: the edits may be dropped
    };

    // Every user edit of `field` from now on marks the record edited.
    void watch(QLineEdit* field);
    // Every click on `box` (a check box) marks the record edited.
    void watch(QAbstractButton* box);

    void markEdited() { m_edited = true; }
    void reset() { m_edited = false; }
    bool edited() const { return m_edited; }

    // Asks `question` with Sì, No and Annulla when the record was edited;
    // Sì runs `save`, which returns whether the record was stored.
    Settled settle(MessageBoxes& messages, QWidget* parent, const QString& question,
                   const std::function<bool()>& save);

    // After settle(): whether a stored record read at `incoming` goes on
    // screen, where the record now stands at `current`. Not after Stay, nor
    // after Saved when it is the record just stored: it was read before the
    // save, and the screen already shows it as it now stands.
    static bool mayLoad(Settled settled, qint64 incoming, qint64 current) {
        return settled == Settled::Go || (settled == Settled::Saved && incoming != current);
    }

private:
    bool m_edited = false;
};
