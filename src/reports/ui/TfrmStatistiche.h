#pragma once

#include "chart/ui/ChartContent.h"

#include <QList>
#include <QWidget>

class ChartView;
class QLabel;
class QLineEdit;
class ScreenRouter;
struct Services;

// The income chart: asks for a calendar year, then shows that year's twelve
// monthly sums as 3-D bars or a 3-D pie and prints the chart. The sums come
// from reports/MonthlyIncome.h and the drawing from the chart engine; this
// class moves values between them and its widgets. The presentation last
// chosen (bars or pie) lasts for the whole run.
class TfrmStatistiche : public QWidget {
    Q_OBJECT

public:
    TfrmStatistiche(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildYearPanel();
    QWidget* buildChartPanel();
    void btnApriClick();
    void setStyle(ChartContent::Style style);
    void btnStampaClick();
    void showHelp();

    Services& m_services;
    ScreenRouter& m_router;
    ChartContent::Style m_style = ChartContent::Style::Bars;
    QWidget* m_panAvvio = nullptr;
    QWidget* m_panContainer = nullptr;
    QLineEdit* m_txtAnno = nullptr;
    QLabel* m_lblFile = nullptr;
    QList<QLabel*> m_memMonths;
    QLabel* m_lblTitolo = nullptr;
    ChartView* m_chart = nullptr;
    QLabel* m_panInfo = nullptr;
};
