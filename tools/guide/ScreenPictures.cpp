#include "tools/guide/ScreenPictures.h"

#include "app/ui/Program.h"
#include "distinte/ui/TfrmRicevute.h"
#include "distinte/ui/TfrmStampaRic.h"
#include "support/SampleShop.h"
#include "support/ScreenCatalogue.h"
#include "tools/guide/SilentServices.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <functional>
#include <memory>

namespace {

// The window as the user sees it: the grabbed content under a plain title
// bar with the window's caption, in a thin frame.
QImage asWindow(QWidget* window) {
    const QImage content = window->grab().toImage();
    constexpr int kBar = 26;
    QImage shot(content.width() + 2, content.height() + kBar + 2, QImage::Format_RGB32);
    shot.fill(QColor(0x5A6470));
    QPainter p(&shot);
    p.fillRect(QRect(1, 1, content.width(), kBar), QColor(0x1F3A5F));
    QFont font(QStringLiteral("Liberation Sans"), 10, QFont::Bold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(10, 1, content.width() - 20, kBar), Qt::AlignVCenter | Qt::AlignLeft,
               window->windowTitle().trimmed());
    p.drawImage(1, kBar + 1, content);
    return shot;
}

class Session {
public:
    explicit Session(const SampleShop& shop)
        : m_silent(shop.folder()), m_program(m_silent.services),
          m_stage(m_program, m_silent.services, shop.folder()) {}

    // One picture for each entry of the catalogue, in its order, on one
    // running program.
    void renderAll() {
        for (const ScreenEntry& entry : everyScreen())
            render(QString::fromLatin1(entry.name), entry.open);
        for (const QString& problem : m_stage.problems())
            m_out.problems.append(problem);
    }

    ScreenPictures result() { return std::move(m_out); }

    // The income chart of the sample year as bars and as a pie, each printed
    // through the chart's own print command into a PDF file in `folder`.
    void printCharts(const QString& folder) {
        QWidget* w = m_stage.show(MainScreen::Statistiche);
        m_stage.type(w, "txtAnno", SampleShop::year());
        m_stage.press(w, "btnApri");
        for (const auto& [style, name] : {std::pair{"btnBarre", "income-chart-bars-printed.pdf"},
                                          {"btnTorta", "income-chart-pie-printed.pdf"}}) {
            const QString pdf = QDir(folder).filePath(QString::fromLatin1(name));
            m_silent.printInto(pdf);
            m_stage.press(w, style);
            m_stage.press(w, "btnStampa");
            if (QFileInfo(pdf).size() == 0)
                m_out.problems.append(pdf + QStringLiteral(": the chart was not printed"));
        }
        m_out.problems += m_stage.problems();
    }

    // The sample distinta printed through its print dialog into
    // distinta-printed.pdf in `folder`.
    void printDistinta(const QString& folder) {
        const QString pdf = QDir(folder).filePath(QStringLiteral("distinta-printed.pdf"));
        m_silent.printInto(pdf);
        TfrmStampaRic print(m_silent.services, SampleShop::sampleDistinta(), m_stage.editor());
        print.show();
        ScreenStage::settle();
        m_stage.press(&print, "btnStampa");
        if (QFileInfo(pdf).size() == 0)
            m_out.problems.append(pdf + QStringLiteral(": the distinta was not printed"));
    }

private:
    void render(const QString& name, const std::function<QWidget*(ScreenStage&)>& open) {
        const qsizetype before = m_silent.shownTexts().size();
        QWidget* window = open(m_stage);
        if (window == nullptr) {
            m_out.problems.append(name + QStringLiteral(": the screen was not opened"));
            return;
        }
        window->show();
        ScreenStage::settle();
        m_out.pictures.insert(name, asWindow(window));
        for (qsizetype i = before; i < m_silent.shownTexts().size(); ++i)
            m_out.problems.append(name + QStringLiteral(": the screen said \"") +
                                  m_silent.shownTexts()[i] + QLatin1Char('"'));
        m_stage.release();
    }

    SilentServices m_silent;
    Program m_program;
    ScreenStage m_stage;
    ScreenPictures m_out;
};

} // namespace

ScreenPictures renderScreens(const SampleShop& shop) {
    Session session(shop);
    session.renderAll();
    return session.result();
}

QStringList printReadmePages(const SampleShop& shop, const QString& folder) {
    Session session(shop);
    session.printCharts(folder);
    session.printDistinta(folder);
    return session.result().problems;
}
