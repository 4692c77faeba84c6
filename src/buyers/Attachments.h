#pragma once

#include "common/ProgramFolder.h"

#include <QSet>
#include <QString>
#include <array>
#include <functional>
#include <optional>

// The three attachments of a buyer card and the folder `Documenti_Allegati`
// that holds the attached files. A card stores only bare file names; one
// folder serves every card. Files copied in are never deleted by the
// program, and a file one card names is never replaced for another card.
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

// The name a chosen file is kept under, one the card can store exactly: each
// character with no Windows-1252 form becomes "_", the ends are trimmed as
// every stored text is, and a name longer than the card's field is shortened
// before its extension.
QString storableName(const QString& fileName);

// "nome (n).pdf" for "nome.pdf", shortened like storableName() when needed.
QString numberedName(const QString& name, int n);

// Where the file a user chose for a slot ended up.
struct Placed {
    enum Kind {
        Copied, // copied into the folder under `name`
        Reused, // the folder's file `name` already held the same bytes
        Failed, // nothing was written (or the folder or the target is a link)
    } kind = Failed;
    QString name;
};

// The names that cards other than the one being edited use; none when the
// archive cannot be read, which counts as every file in the folder being in
// use.
using NamesInUse = std::optional<QSet<QString>>;

// Puts `source` into the attachments folder, creating it (with any missing
// parent) first. The file goes under its storable name; when a file of that
// name is there already:
// - the same bytes: it is reused, nothing is written or asked;
// - other bytes named by no other card (`inUse`): `askOverwrite` decides
//   whether it is replaced; when not, or when another card names it, the new
//   file goes under the first free numbered name ("nome (2).pdf" ...), one
//   that no file and no card uses (a numbered file with the same bytes is
//   reused).
// A symbolic link in the place of the folder or of the target is never
// written through: Failed. The copy is written whole or not at all.
Placed place(const ProgramFolder& folder, const QString& source, const NamesInUse& inUse,
             const std::function<bool()>& askOverwrite);

// The names a new file for slot `slot` (0-based) of `card` must not take
// over: those of every stored card but the card itself, stored at `position`
// (0 when never stored), and those of the card's other slots. None when the
// archive cannot be read.
NamesInUse namesInUse(const ProgramFolder& folder, qint64 position, const Attachments& card,
                      int slot);

} // namespace attachments
