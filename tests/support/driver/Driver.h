#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QUrl;
class QWidget;

// Drives the program it is loaded into as a user at the screen would, and
// writes what it sees into the file named by VELLARMO_DRIVER_REPORT (standard
// error without one), one UTF-8 line per event, appended as it happens:
//   screen <objectName>   a window became visible
//   message <text>        a message box showed (a line feed written as \n, a
//                         carriage return as \r, a backslash as \\); the
//                         driver then presses its Yes or OK button, or No
//                         once it is closing the main menu (the user leaves)
//   open <path or url>    the program asked the system to open a file or an
//                         address: recorded, nothing is opened
//   end                   the program is quitting
//   timeout <step>        VELLARMO_DRIVER_TIMEOUT seconds (60) passed without
//                         reaching <step>; the program is ended with code 3
// Its steps: on the password screen it types VELLARMO_DRIVER_PASSWORD
// (aperturacassaz) and presses OK; on the main menu it clicks the help
// button, in the help window the guide's icon and then Chiudi; then it closes
// the main menu, which ends the program. It checks nothing: the test reads
// the report.
class Driver : public QObject {
    Q_OBJECT

public:
    Driver();
    ~Driver() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    // What QDesktopServices calls instead of opening `url`.
    void openUrl(const QUrl& url);

private:
    enum class Step { Password, MainMenu, Help, Closing };

    void report(const QString& line);
    void shown(QWidget* window);
    void answer(QWidget* messageBox);
    void enterPassword(QWidget* screen);
    void openGuide(QWidget* help);
    void closeMainMenuWhenIdle();
    QString waitingFor() const;

    QString m_reportPath;
    QString m_password;
    Step m_step = Step::Password;
    QTimer m_timeout;
};
