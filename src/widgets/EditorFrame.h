#pragma once

#include <QList>
#include <QMargins>
#include <QString>
#include <QStyle>

class QFrame;
class QIcon;
class QLabel;
class QScrollArea;
class QToolButton;
class QWidget;

// The frame the record editors (the distinta and the buyer card) share around
// their forms: the form as a white sheet centred on a grey desk that scrolls
// when the window is small, the row of picture commands above it with the
// record navigation, help and exit, and the status line below. Only looks:
// each editor builds its own fields and commands in the frame, and wires them.
namespace editorframe {

// The desk `sfoSchermata` (a scroll area) holding `bkgSchermata`, on which
// the sheet `sheetName`, at most `maximumWidth` pixels wide, sits centred.
struct Desk {
    QScrollArea* scroll = nullptr;
    QWidget* desk = nullptr;
    QFrame* sheet = nullptr;
};
Desk makeDesk(QWidget* screen, const QString& sheetName, int maximumWidth);

// The command row `pnlComandi`: picture commands under their captions, laid
// out in groups from the left, with help and exit at the right end.
class CommandRow {
public:
    explicit CommandRow(QWidget* screen);

    QWidget* widget() const { return m_row; }

    // A command with one of the style's standard pictures.
    QToolButton* command(const char* name, QStyle::StandardPixmap picture, const char* caption);
    QToolButton* command(const char* name, const QIcon& picture, const QString& caption);

    // First, previous, next and last record, and the position label
    // `lblPosizione` shown between them.
    struct Navigation {
        QToolButton* first = nullptr;
        QToolButton* previous = nullptr;
        QToolButton* next = nullptr;
        QToolButton* last = nullptr;
        QLabel* position = nullptr;
    };
    Navigation navigation(int positionMinimumWidth);
    // The same, put into an editor's widgets by their object names.
    template <typename Widgets> void addNavigation(Widgets& w, int positionMinimumWidth) {
        const Navigation n = navigation(positionMinimumWidth);
        w.cmdPrimo = n.first;
        w.cmdIndietro = n.previous;
        w.cmdAvanti = n.next;
        w.cmdUltimo = n.last;
        w.lblPosizione = n.position;
    }

    // `cmdGuida` and `cmdEsci`, looking as they do on the main menu.
    QToolButton* help();
    QToolButton* exit();

    // Lays the groups out left to right, `gap` pixels between groups and
    // `spacing` between commands (-1: the style's), then help and exit.
    void layOut(const QList<QList<QWidget*>>& groups, const QMargins& margins, int spacing, int gap,
                QWidget* help, QWidget* exit);

private:
    QWidget* m_screen;
    QWidget* m_row;
};

// The status line `panInfo`, showing `readyText` until a hint replaces it.
QLabel* makeStatusLine(QWidget* screen, const QString& readyText);

// The screen's layout: the command row on top, the desk taking the rest and
// the status line at the bottom.
void layOutScreen(QWidget* screen, QWidget* commands, QScrollArea* desk, QLabel* status);

} // namespace editorframe
