#pragma once

#include "common/ListFind.h"
#include "common/ProgramFolder.h"
#include "widgets/ScreenRouter.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class Program;
class QWidget;
class TfrmAnagrafica;
class TfrmRicevute;
struct Services;

// Where every screen of the program is opened: the program running on the
// sample shop's folder, with the steps that reach a screen and fill it as a
// user would. The screen test checks each screen of the catalogue below at
// 1024x768 and the guide draws its pictures from the same entries, so a new
// screen is added once.
class ScreenStage {
public:
    ScreenStage(Program& program, Services& services, ProgramFolder folder);
    ~ScreenStage();
    ScreenStage(const ScreenStage&) = delete;
    ScreenStage& operator=(const ScreenStage&) = delete;

    Program& program() { return m_program; }
    Services& services() { return m_services; }
    const ProgramFolder& folder() const { return m_folder; }
    listfind::Memory& findMemory() { return m_findMemory; }

    // A main screen, switched to as its menu does; the password screens are
    // put away first.
    QWidget* show(MainScreen id);
    // The distinta editor on the sample year, showing the sample distinta.
    TfrmRicevute* editor();
    // The buyers archive showing the sample card.
    TfrmAnagrafica* buyers();

    // A dialog made with `args` (its owner last, as every dialog takes it),
    // shown and kept until the next entry opens.
    template <typename Dialog, typename... Args> QWidget* dialog(Args&&... args) {
        return keep(std::make_unique<Dialog>(std::forward<Args>(args)...), true);
    }
    // A result screen kept the same way; it is shown as a main screen.
    QWidget* keepScreen(std::unique_ptr<QWidget> screen) { return keep(std::move(screen), false); }
    // Whether the window the entry opened is a dialog of its own.
    bool openedDialog() const { return m_kept != nullptr && m_keptIsDialog; }
    // Hides and drops what the last entry kept.
    void release();

    // Lets the screens handle what their last step posted (layouts, paints).
    static void settle();

    // Types into a field key by key, so that the screen's own key handling runs.
    void type(QWidget* window, const char* field, const QString& text);
    void press(QWidget* window, const char* button);
    void tick(QWidget* window, const char* box);
    void pick(QWidget* window, const char* combo, const QString& text);
    // The controls the steps looked for and did not find.
    QStringList problems() const { return m_problems; }

private:
    QWidget* keep(std::unique_ptr<QWidget> window, bool isDialog);
    template <typename T> T* child(QWidget* window, const char* name);

    Program& m_program;
    Services& m_services;
    ProgramFolder m_folder;
    listfind::Memory m_findMemory;
    std::unique_ptr<QWidget> m_kept;
    bool m_keptIsDialog = false;
    QStringList m_problems;
};

struct ScreenEntry {
    // The picture's name, as the guide's texts and the screenshots use it.
    const char* name;
    // Opens the screen on the stage and returns its window, or null.
    std::function<QWidget*(ScreenStage&)> open;
};

// Every screen and dialog of the program, in the order a user meets them.
const std::vector<ScreenEntry>& everyScreen();
