#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>

// The user guide as text: a title page and the chapters, read from the
// guide's folder. The title page is `frontespizio.md`; each chapter is a file
// `NN-name.md`, in name order, whose first line "# Title" is its title and
// whose rest is Markdown. A line of its own `![caption](name)` places the
// screen picture `name` with that caption.
struct GuideText {
    struct Chapter {
        QString title;
        QString body;
    };
    QString titlePage;
    QList<Chapter> chapters;
};

// Reads the guide's folder; on failure says why in `error`.
bool readGuideText(const QString& folder, GuideText* text, QString* error);

// Lays the guide out on A4 pages (title page, contents with page numbers,
// one chapter from a new page each, running head and page numbers) with
// QTextDocument and prints it to a PDF file at `path` with QPdfWriter. Every
// picture a chapter names must be in `pictures`. The file is replaced only
// when the whole guide was written.
bool writeGuidePdf(const GuideText& text, const QMap<QString, QImage>& pictures, const QImage& logo,
                   const QString& path, QString* error);
