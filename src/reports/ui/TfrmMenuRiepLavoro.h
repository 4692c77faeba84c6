#pragma once

#include "common/ListFind.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class ScreenRouter;
struct Services;

// The income summary's entry screen: the year, an optional buyer filter and
// the interval's start and end day and month. "Visualizza riepilogo" checks
// them (reports/IncomeInterval.h), builds the summary
// (reports/IncomeSummary.h) and shows it in a new TfrmRiepLavoro. It keeps
// the last find text of the result screens for the whole run.
class TfrmMenuRiepLavoro : public QWidget {
    Q_OBJECT

public:
    TfrmMenuRiepLavoro(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGridLayout* buildFields();
    QHBoxLayout* buildInterval();
    void buildHiddenLabels();
    QHBoxLayout* buildCommands();
    QWidget* buildIntervalGroup(const QString& title, QComboBox** day, QComboBox** month,
                                QLabel** year, const char* dayName, const char* monthName,
                                const char* yearName);
    void copyYearToLabels();
    void btnVisualizzaClick();

    Services& m_services;
    ScreenRouter& m_router;
    listfind::Memory m_findMemory;
    QLineEdit* m_txtAnno;
    QLineEdit* m_txtCliente;
    QComboBox* m_txtGiornoInizio = nullptr;
    QComboBox* m_txtMeseInizio = nullptr;
    QComboBox* m_txtGiornoFine = nullptr;
    QComboBox* m_txtMeseFine = nullptr;
    // The year as last copied from the year field when a key is released or
    // the field is left; both year labels show it.
    QString m_copiedYear = QStringLiteral("ANNO");
    QLabel* m_lblAnnoInizio = nullptr;
    QLabel* m_lblAnnoFine = nullptr;
    QLabel* m_lblDataInizio;
    QLabel* m_lblDataFine;
    QLabel* m_lblFile;
    QLabel* m_lblAttendere;
    QPushButton* m_btnVisualizza;
};
