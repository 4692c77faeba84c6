#include "tools/guide/GuideBook.h"

#include "common/WholeFileWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <cmath>

namespace {

const QColor kNavy(0x1F3A5F);
const QColor kTeal(0x2A7F8E);
const QColor kGrey(0x6B7280);
const QString kFamily = QStringLiteral("Liberation Sans");
const QString kRunningHead = QStringLiteral("Vellarmo · Guida all'utilizzo");

// A4 with its margins, in millimetres.
constexpr double kPageWidth = 210, kPageHeight = 297;
constexpr double kSide = 20, kTop = 22, kBottom = 22;

QString readUtf8(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + path;
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QTextCharFormat charFormat(double points, bool bold, const QColor& colour, bool italic = false) {
    QTextCharFormat f;
    f.setFontFamilies({kFamily});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setForeground(colour);
    return f;
}

// Builds the document for one layout pass, block by block: the title page,
// the contents with the page numbers found by the pass before ("00" standing in
// on the first pass), then the chapters.
class Builder {
public:
    Builder(QTextDocument& doc, double pixelsPerMm)
        : m_doc(doc), m_cursor(&doc), m_px(pixelsPerMm) {}

    void titlePage(const QString& markdown, const QImage& logo);
    void contents(const GuideText& text, const QList<int>& pages);
    // Returns the chapter's heading block, or an invalid block when the
    // chapter names a picture that was not made.
    QTextBlock chapter(int number, const GuideText::Chapter& chapter,
                       const QMap<QString, QImage>& pictures, QString* error);

private:
    void newBlock(Qt::Alignment align, double topMm, double bottomMm, bool pageBreak = false);
    void markdown(const QString& text);
    bool picture(const QString& caption, const QString& name,
                 const QMap<QString, QImage>& pictures);
    // Millimetres in 96-dpi pixels, the unit of image and table measures.
    static double px96(double mm) { return mm * 96 / 25.4; }

    QTextDocument& m_doc;
    QTextCursor m_cursor;
    double m_px;
    bool m_first = true;
};

void Builder::newBlock(Qt::Alignment align, double topMm, double bottomMm, bool pageBreak) {
    QTextBlockFormat f;
    f.setAlignment(align);
    f.setTopMargin(topMm * m_px);
    f.setBottomMargin(bottomMm * m_px);
    if (pageBreak)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (m_first) {
        m_cursor.setBlockFormat(f);
        m_first = false;
    } else {
        m_cursor.insertBlock(f);
    }
}

void Builder::titlePage(const QString& markdownText, const QImage& logo) {
    // Not a name a picture of the screens can have.
    const QString logoName = QStringLiteral("frontespizio:logo");
    m_doc.addResource(QTextDocument::ImageResource, QUrl(logoName), logo);
    newBlock(Qt::AlignHCenter, 55, 10);
    QTextImageFormat image;
    image.setName(logoName);
    image.setWidth(px96(42));
    image.setHeight(px96(42) * logo.height() / logo.width());
    m_cursor.insertImage(image);
    // The title page's own text: its first line is the title, the second
    // the subtitle, the rest short centred paragraphs.
    const QStringList lines = markdownText.trimmed().split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        line.remove(QRegularExpression(QStringLiteral("^#+\\s*")));
        if (i == 0) {
            newBlock(Qt::AlignHCenter, 6, 2);
            m_cursor.insertText(line, charFormat(36, true, kNavy));
        } else if (i == 1) {
            newBlock(Qt::AlignHCenter, 0, 22);
            m_cursor.insertText(line, charFormat(18, false, kTeal));
        } else {
            newBlock(Qt::AlignHCenter, 0, 3);
            m_cursor.insertText(line, charFormat(11, false, kGrey));
        }
    }
}

void Builder::contents(const GuideText& text, const QList<int>& pages) {
    newBlock(Qt::AlignLeft, 0, 6, true);
    m_cursor.insertText(QStringLiteral("Indice"), charFormat(22, true, kNavy));
    QTextTableFormat table;
    table.setBorder(0);
    table.setCellPadding(px96(2.2));
    table.setBorderCollapse(true);
    table.setCellSpacing(0);
    table.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                     QTextLength(QTextLength::PercentageLength, 10)});
    QTextTable* t = m_cursor.insertTable(int(text.chapters.size()), 2, table);
    for (int i = 0; i < text.chapters.size(); ++i) {
        // A thin rule under each row leads the eye to its page number.
        for (int column = 0; column < 2; ++column) {
            QTextTableCellFormat cell = t->cellAt(i, column).format().toTableCellFormat();
            cell.setLeftBorder(0);
            cell.setRightBorder(0);
            cell.setTopBorder(0);
            cell.setBottomBorder(px96(0.3));
            cell.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            cell.setBottomBorderBrush(QColor(0xD5DAE0));
            t->cellAt(i, column).setFormat(cell);
        }
        QTextCursor title = t->cellAt(i, 0).firstCursorPosition();
        title.insertText(QStringLiteral("%1. %2").arg(i + 1).arg(text.chapters[i].title),
                         charFormat(12, false, Qt::black));
        QTextCursor page = t->cellAt(i, 1).firstCursorPosition();
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        page.setBlockFormat(right);
        // The first pass holds the place with as many digits as the last.
        page.insertText(pages.isEmpty() ? QStringLiteral("00") : QString::number(pages[i]),
                        charFormat(12, true, kNavy));
    }
    m_cursor.movePosition(QTextCursor::End);
}

QTextBlock Builder::chapter(int number, const GuideText::Chapter& chapter,
                            const QMap<QString, QImage>& pictures, QString* error) {
    newBlock(Qt::AlignLeft, 0, 5, true);
    const QTextBlock heading = m_cursor.block();
    m_cursor.insertText(QStringLiteral("%1. %2").arg(number).arg(chapter.title),
                        charFormat(20, true, kNavy));

    static const QRegularExpression pictureLine(QStringLiteral("^!\\[(.*)\\]\\((.*)\\)\\s*$"));
    QStringList chunk;
    const auto flush = [&] {
        if (!chunk.join(QString()).trimmed().isEmpty())
            markdown(chunk.join(QLatin1Char('\n')));
        chunk.clear();
    };
    for (const QString& line : chapter.body.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = pictureLine.match(line);
        if (!m.hasMatch()) {
            chunk.append(line);
            continue;
        }
        flush();
        if (!picture(m.captured(1), m.captured(2), pictures)) {
            *error = QStringLiteral("chapter \"%1\" names the picture \"%2\", which was not made")
                         .arg(chapter.title, m.captured(2));
            return {};
        }
    }
    flush();
    return heading;
}

// Markdown text after the current block: paragraphs, lists, bold and second-
// level headings, then given the guide's fonts, colours and spacing.
void Builder::markdown(const QString& text) {
    const int start = m_cursor.position();
    m_cursor.insertMarkdown(text, QTextDocument::MarkdownNoHTML);
    const int end = m_cursor.position();
    // The Markdown begins a block of its own after the one the cursor was in.
    for (QTextBlock b = m_doc.findBlock(start).next(); b.isValid() && b.position() <= end;
         b = b.next()) {
        QTextCursor c(b);
        QTextBlockFormat f = b.blockFormat();
        const int level = f.headingLevel();
        if (level > 0) {
            f.setTopMargin(5 * m_px);
            f.setBottomMargin(2 * m_px);
            c.setBlockFormat(f);
            c.movePosition(QTextCursor::StartOfBlock);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            c.mergeCharFormat(charFormat(level == 2 ? 14 : 12, true, kTeal));
            continue;
        }
        f.setTopMargin(0);
        f.setBottomMargin((b.textList() != nullptr ? 0.8 : 2.6) * m_px);
        c.setBlockFormat(f);
    }
    m_cursor.movePosition(QTextCursor::End);
}

bool Builder::picture(const QString& caption, const QString& name,
                      const QMap<QString, QImage>& pictures) {
    const auto found = pictures.constFind(name);
    if (found == pictures.constEnd())
        return false;
    const QImage& shot = *found;
    const QUrl url(QStringLiteral("guida:") + name);
    m_doc.addResource(QTextDocument::ImageResource, url, shot);
    // Every screen at one scale, so that texts on them read alike; only a
    // screen too large for the page is made smaller.
    const double fit =
        std::min({0.56, px96(kPageWidth - 2 * kSide) / shot.width(), px96(150) / shot.height()});
    newBlock(Qt::AlignHCenter, 2, 5);
    QTextBlockFormat keep = m_cursor.blockFormat();
    keep.setNonBreakableLines(true); // the picture and its caption stay on one page
    m_cursor.setBlockFormat(keep);
    QTextImageFormat image;
    image.setName(url.toString());
    image.setWidth(shot.width() * fit);
    image.setHeight(shot.height() * fit);
    m_cursor.insertImage(image);
    m_cursor.insertText(QString(QChar::LineSeparator), charFormat(4, false, kGrey));
    m_cursor.insertText(caption, charFormat(9, false, kGrey, true));
    return true;
}

struct Layout {
    double pixelsPerMm;
    QSizeF body;
};

// Lays out the whole guide for `writer`; `pages` as for Builder.
bool build(QTextDocument& doc, const Layout& layout, const GuideText& text,
           const QMap<QString, QImage>& pictures, const QImage& logo, const QList<int>& pages,
           QList<QTextBlock>* headings, QString* error) {
    doc.clear();
    doc.setDocumentMargin(0);
    doc.setPageSize(layout.body);
    QFont font(kFamily);
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    Builder builder(doc, layout.pixelsPerMm);
    builder.titlePage(text.titlePage, logo);
    builder.contents(text, pages);
    headings->clear();
    for (int i = 0; i < text.chapters.size(); ++i) {
        const QTextBlock heading = builder.chapter(i + 1, text.chapters[i], pictures, error);
        if (!heading.isValid())
            return false;
        headings->append(heading);
    }
    return true;
}

int pageOf(QTextDocument& doc, const QTextBlock& block, double bodyHeight) {
    const double top = doc.documentLayout()->blockBoundingRect(block).top();
    return int(std::floor((top + 1) / bodyHeight)) + 1;
}

} // namespace

bool readGuideText(const QString& folder, GuideText* text, QString* error) {
    const QDir dir(folder);
    text->titlePage = readUtf8(dir.filePath(QStringLiteral("frontespizio.md")), error);
    if (!error->isEmpty())
        return false;
    const QStringList files =
        dir.entryList({QStringLiteral("[0-9][0-9]-*.md")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        *error = QStringLiteral("no chapter in ") + folder;
        return false;
    }
    text->chapters.clear();
    for (const QString& name : files) {
        const QString all = readUtf8(dir.filePath(name), error);
        if (!error->isEmpty())
            return false;
        const qsizetype firstBreak = all.indexOf(QLatin1Char('\n'));
        const QString first = all.left(firstBreak).trimmed();
        if (!first.startsWith(QStringLiteral("# "))) {
            *error = name + QStringLiteral(" does not begin with \"# Title\"");
            return false;
        }
        text->chapters.append(
            {first.mid(2).trimmed(), firstBreak < 0 ? QString() : all.mid(firstBreak + 1)});
    }
    return true;
}

bool writeGuidePdf(const GuideText& text, const QMap<QString, QImage>& pictures, const QImage& logo,
                   const QString& path, QString* error) {
    WholeFileWriter file(path);
    if (!file.open()) {
        *error = QStringLiteral("cannot write ") + path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QPdfWriter writer(&file.device());
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Vellarmo - Guida all'utilizzo"));
    writer.setCreator(QStringLiteral("Vellarmo"));

    const double px = writer.resolution() / 25.4;
    const Layout layout{px,
                        QSizeF((kPageWidth - 2 * kSide) * px, (kPageHeight - kTop - kBottom) * px)};
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    QList<QTextBlock> headings;
    // Two passes: the first finds the page of each chapter, the second
    // writes those pages into the contents, which keep their size.
    if (!build(doc, layout, text, pictures, logo, {}, &headings, error))
        return false;
    QList<int> pages;
    for (const QTextBlock& h : headings)
        pages.append(pageOf(doc, h, layout.body.height()));
    if (!build(doc, layout, text, pictures, logo, pages, &headings, error))
        return false;
    for (int i = 0; i < headings.size(); ++i) {
        if (pageOf(doc, headings[i], layout.body.height()) != pages[i]) {
            *error = QStringLiteral("the contents moved the chapters");
            return false;
        }
    }

    QPainter painter(&writer);
    const int count = doc.pageCount();
    for (int page = 0; page < count; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.translate(kSide * px, kTop * px - page * layout.body.height());
        // One device pixel less than the page's share, or the first row of a
        // picture that opens the next page shows at the foot of this one.
        const QSizeF share(layout.body.width(), layout.body.height() - 1);
        doc.drawContents(&painter, QRectF(QPointF(0, page * layout.body.height()), share));
        painter.restore();
        if (page == 0)
            continue; // the title page has no running head
        // The chapter the page belongs to names the head.
        QString chapter = QStringLiteral("Indice");
        for (int i = 0; i < pages.size(); ++i)
            if (pages[i] <= page + 1)
                chapter = text.chapters[i].title;
        QFont small(kFamily);
        small.setPointSizeF(8.5);
        painter.setFont(small);
        painter.setPen(kGrey);
        const QRectF head(kSide * px, 10 * px, (kPageWidth - 2 * kSide) * px, 6 * px);
        painter.drawText(head, Qt::AlignLeft | Qt::AlignVCenter, kRunningHead);
        painter.drawText(head, Qt::AlignRight | Qt::AlignVCenter, chapter);
        painter.setPen(QPen(QColor(0xC8CDD3), 0.25 * px));
        painter.drawLine(QPointF(kSide * px, 16.5 * px),
                         QPointF((kPageWidth - kSide) * px, 16.5 * px));
        painter.setPen(kGrey);
        const QRectF foot(kSide * px, (kPageHeight - 14) * px, (kPageWidth - 2 * kSide) * px,
                          6 * px);
        painter.drawText(foot, Qt::AlignHCenter | Qt::AlignVCenter,
                         QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(count));
    }
    if (!painter.end() || !file.commit()) {
        *error = QStringLiteral("cannot write ") + path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}
