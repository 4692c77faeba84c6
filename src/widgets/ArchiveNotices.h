#pragma once

#include <QString>

class QWidget;
struct Services;

// What the archive screens tell the user after a save, beyond their own
// saved notice.
namespace archivenotice {

// The data folder's file system refuses locks, so the save went ahead
// without keeping other desks out.
extern const QString kUncoordinated;

// After a save that went ahead `uncoordinated`: warns once per run of the
// program for its data folder, whichever screen saved first; later saves say
// nothing more.
void afterSave(Services& services, QWidget* parent, bool uncoordinated);

} // namespace archivenotice
