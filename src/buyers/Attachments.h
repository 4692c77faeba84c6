#pragma once

#include "common/ProgramFolder.h"

#include <QString>
#include <array>

// The three attachments of a buyer card and the folder `Documenti_Allegati`
// that holds the attached files. A card stores only bare file names; one
// folder serves every card, so a name attached to two cards is one file.
// Files copied in are never deleted by the program.
struct Attachments {
    static constexpr int kSlots = 3;

    std::array<QString, kSlots> file;
    std::array<QString, kSlots> desc;

    // Every name and description trimmed.
    Attachments trimmed() const;

    bool operator==(const Attachments&) const = default;
};

namespace attachments {

inline const QString kFolderName = QStringLiteral("Documenti_Allegati");

QString folderPath(const ProgramFolder& folder);
// The attached file `name` (trimmed) inside the attachments folder.
QString filePath(const ProgramFolder& folder, const QString& name);

// Copies `source` into the attachments folder under its own file name,
// creating the folder (and any missing parent) first and replacing a file
// of that name. The copy is written whole or not at all: a failure leaves
// the folder's old file as it was. False on any failure.
bool copyIn(const ProgramFolder& folder, const QString& source);

} // namespace attachments
