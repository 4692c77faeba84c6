#pragma once

#include <QStringList>
#include <QWidget>

struct Services;
class QLabel;
class QListWidget;
class ScreenRouter;

// The tariff list screen: shows the entries of the tariff file, lets the
// user add, change, delete and print them, and writes the list back when it
// closes. Entry layout and file format live in tariff/TariffEntry.h and
// tariff/TariffFile.h; this class only moves rows between them and widgets.
class TfrmProdotti : public QWidget {
    Q_OBJECT

public:
    TfrmProdotti(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

    // The rows of `lstRecords`, in order.
    QStringList rows() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void loadList();
    bool saveList();
    void addEntry();
    void modifyEntry();
    void deleteEntry();
    void printEntries();
    void warn(const QString& text);

    Services& m_services;
    ScreenRouter& m_router;
    QListWidget* m_lstRecords;
    QLabel* m_panInfo;
    // Set when the file on disk could not be read as a list: it is then not
    // overwritten unless the user changes the list shown.
    bool m_keepFileOnDisk = false;
};
