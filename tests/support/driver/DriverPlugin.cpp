#include "Driver.h"

#include <QGenericPlugin>

// Qt creates one Driver when the application starts, for the key named in
// QT_QPA_GENERIC_PLUGINS, and deletes it when the application ends.
class DriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")

public:
    QObject* create(const QString& key, const QString&) override {
        return key == QLatin1String("vellarmo_driver") ? new Driver : nullptr;
    }
};

#include "DriverPlugin.moc"
