#pragma once

#include <QString>

// The folder of the program's own read-only files (the user guide, the key
// file it is delivered with), found from the folder of the executable:
// - installed under a prefix (`<prefix>/bin/vellarmo`), the folder
//   `<prefix>/share/vellarmo`, when it exists;
// - otherwise the executable's own folder: a build folder, or a program folder
//   made by scripts/start.sh, where everything lies beside the program.
// It says nothing about where the data live; that is ProgramFolder's job.
QString programFilesFolder(const QString& executableDir);
