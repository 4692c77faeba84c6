#include "distinte/ui/RicevuteWidgets.h"

#include "distinte/Ricevuta.h"
#include "widgets/DeferredPictures.h"
#include "widgets/EditorFrame.h"
#include "widgets/EditorKeys.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldHighlight.h"
#include "widgets/FormFonts.h"
#include "widgets/KeyFilters.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/StatusHints.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor kWhite(0xFFFFFF);
const QColor kBeige(0xF5F5DC);
const QColor kMaroon(0x800000);

// Wide enough for 40 characters of a 120-character line; the form itself
// stops growing on very wide screens, so the lines stay readable.
constexpr int kFormMaximumWidth = 1500;

QString numbered(const char* stem, int index) {
    return QString::fromLatin1(stem) + QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

QLineEdit* makePlainField(QWidget* parent, const QString& name, int maxLength,
                          Qt::Alignment alignment) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(maxLength);
    field->setAlignment(alignment | Qt::AlignVCenter);
    field->setFont(formfont::bold(12));
    return field;
}

// A field with the styled focus highlight over `normal`.
QLineEdit* makeField(QWidget* parent, const QString& name, int maxLength, Qt::Alignment alignment,
                     const QColor& normal = QColor(0xF0F8FF)) {
    QLineEdit* field = makePlainField(parent, name, maxLength, alignment);
    applyStyledHighlight(field, normal);
    return field;
}

// The picture headings of the printed form: white capitals on dark blue.
QLabel* makeHeading(QWidget* parent, const QString& name, const QString& text) {
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(name);
    heading->setFont(formfont::bold(10));
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("background-color: %1; color: white; padding: 3px;")
                               .arg(pictures::kNavy.name()));
    return heading;
}

QLabel* makeCaption(QWidget* parent, const QString& text) {
    auto* caption = new QLabel(text, parent);
    caption->setFont(formfont::bold(10));
    return caption;
}

QLabel* makeHidden(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

// The green import arrows, small enough to keep the rows as tall as a field.
QToolButton* makeArrow(QWidget* parent, const QString& name) {
    QToolButton* arrow = makePictureButton(
        parent, name, deferred::pictureIcon([] { return pictures::importArrow(32); }));
    arrow->setIconSize(QSize(20, 20));
    return arrow;
}

} // namespace

QWidget* RicevuteWidgets::control(int field) const {
    const auto in = [field](int first, int count) {
        return field >= first && field < first + count ? field - first : -1;
    };
    switch (field) {
    case Ricevuta::NumRic:
        return txtNumRic;
    case Ricevuta::Data:
        return txtData;
    case Ricevuta::NomeRiv:
        return txtNomeRiv;
    case Ricevuta::Pagamento:
        return txtPagamento;
    case Ricevuta::Totale:
        return txtTotale;
    case Ricevuta::Saldato:
        return chkSaldato;
    default:
        break;
    }
    if (const int i = in(Ricevuta::RivRigo01, kPartyLines); i >= 0)
        return txtRivRigo[i];
    if (const int i = in(Ricevuta::AcqRigo01, kPartyLines); i >= 0)
        return txtAcqRigo[i];
    if (const int i = in(Ricevuta::Quant01, kLines); i >= 0)
        return txtQuant[i];
    if (const int i = in(Ricevuta::Descrizione01, kLines); i >= 0)
        return txtDescrizione[i];
    if (const int i = in(Ricevuta::Unitario01, kLines); i >= 0)
        return txtUnitario[i];
    if (const int i = in(Ricevuta::Importo01, kLines); i >= 0)
        return txtImporto[i];
    return nullptr;
}

namespace {

// Reseller block: heading and five lines.
QVBoxLayout* buildResellerBlock(RicevuteWidgets& w, QWidget* form) {
    auto* reseller = new QVBoxLayout;
    reseller->setSpacing(4);
    reseller->addWidget(
        makeHeading(form, QStringLiteral("titRivenditore"), QStringLiteral("DATI RIVENDITORE")));
    for (int i = 0; i < RicevuteWidgets::kPartyLines; ++i) {
        w.txtRivRigo[i] = makeField(form, numbered("txtRivRigo", i),
                                    Ricevuta::capacity(Ricevuta::RivRigo01 + i), Qt::AlignLeft);
        reseller->addWidget(w.txtRivRigo[i]);
    }
    return reseller;
}

// Buyer block, with the import arrow right of its first line.
QGridLayout* buildBuyerBlock(RicevuteWidgets& w, QWidget* form) {
    auto* buyer = new QGridLayout;
    buyer->setSpacing(4);
    buyer->addWidget(
        makeHeading(form, QStringLiteral("titAcquirente"), QStringLiteral("DATI ACQUIRENTE")), 0,
        0);
    for (int i = 0; i < RicevuteWidgets::kPartyLines; ++i) {
        w.txtAcqRigo[i] = makeField(form, numbered("txtAcqRigo", i),
                                    Ricevuta::capacity(Ricevuta::AcqRigo01 + i), Qt::AlignLeft);
        buyer->addWidget(w.txtAcqRigo[i], i + 1, 0);
    }
    w.impCliente = makeArrow(form, QStringLiteral("impCliente"));
    buyer->addWidget(w.impCliente, 1, 1);
    return buyer;
}

// Number, date, reseller name and payment.
QGridLayout* buildDetails(RicevuteWidgets& w, QWidget* form) {
    auto* details = new QGridLayout;
    details->setSpacing(4);
    w.txtNumRic = makeField(form, QStringLiteral("txtNumRic"), Ricevuta::capacity(Ricevuta::NumRic),
                            Qt::AlignHCenter, kWhite);
    w.txtNumRic->setFixedWidth(150);
    w.impNumerazione = makePictureButton(form, QStringLiteral("impNumerazione"), QIcon());
    w.impNumerazione->setText(QStringLiteral("N."));
    w.impNumerazione->setFont(formfont::bold(10));
    w.impNumerazione->setToolButtonStyle(Qt::ToolButtonTextOnly);
    w.txtData = makeField(form, QStringLiteral("txtData"), Ricevuta::capacity(Ricevuta::Data),
                          Qt::AlignHCenter, kWhite);
    w.txtData->setReadOnly(true);
    w.txtData->setFixedWidth(150);
    w.impData = makeArrow(form, QStringLiteral("impData"));
    w.txtNomeRiv = makeField(form, QStringLiteral("txtNomeRiv"),
                             Ricevuta::capacity(Ricevuta::NomeRiv), Qt::AlignLeft, kWhite);
    w.txtPagamento = makeField(form, QStringLiteral("txtPagamento"),
                               Ricevuta::capacity(Ricevuta::Pagamento), Qt::AlignLeft, kWhite);
    details->addWidget(makeCaption(form, QStringLiteral("Distinta n.")), 0, 0);
    details->addWidget(w.txtNumRic, 0, 1);
    details->addWidget(w.impNumerazione, 0, 2);
    details->addWidget(makeCaption(form, QStringLiteral("Data emissione:")), 1, 0);
    details->addWidget(w.txtData, 1, 1);
    details->addWidget(w.impData, 1, 2);
    details->addWidget(makeCaption(form, QStringLiteral("Nome rivenditore:")), 2, 0, 1, 4);
    details->addWidget(w.txtNomeRiv, 3, 0, 1, 4);
    details->addWidget(makeCaption(form, QStringLiteral("Modalità di pagamento:")), 4, 0, 1, 4);
    details->addWidget(w.txtPagamento, 5, 0, 1, 4);
    details->setColumnStretch(3, 1);
    return details;
}

// One stamp line in row `row` of `lines`: quantity, description, import
// arrow, unit value and the computed amount.
void addStampLine(RicevuteWidgets& w, QWidget* form, QGridLayout* lines, int i, int row) {
    w.txtQuant[i] = makeField(form, numbered("txtQuant", i),
                              Ricevuta::capacity(Ricevuta::Quant01 + i), Qt::AlignHCenter);
    w.txtQuant[i]->setFixedWidth(90);
    installKeyFilter(w.txtQuant[i], KeyFilterKind::Digits);
    w.txtDescrizione[i] = makeField(form, numbered("txtDescrizione", i),
                                    Ricevuta::capacity(Ricevuta::Descrizione01 + i), Qt::AlignLeft);
    w.impBollato[i] = makeArrow(form, numbered("impBollato", i));
    w.txtUnitario[i] = makeField(form, numbered("txtUnitario", i),
                                 Ricevuta::capacity(Ricevuta::Unitario01 + i), Qt::AlignRight);
    w.txtUnitario[i]->setFixedWidth(150);
    installKeyFilter(w.txtUnitario[i], KeyFilterKind::Amount);
    // Computed amounts never turn yellow: no focus highlight.
    w.txtImporto[i] = makePlainField(form, numbered("txtImporto", i),
                                     Ricevuta::capacity(Ricevuta::Importo01 + i), Qt::AlignRight);
    w.txtImporto[i]->setFixedWidth(170);
    applyReadOnlyStyle(w.txtImporto[i], kBeige);
    QPalette maroon = w.txtImporto[i]->palette();
    maroon.setColor(QPalette::Text, kMaroon);
    w.txtImporto[i]->setPalette(maroon);
    lines->addWidget(w.txtQuant[i], row, 0);
    lines->addWidget(w.txtDescrizione[i], row, 1);
    lines->addWidget(w.impBollato[i], row, 2);
    lines->addWidget(w.txtUnitario[i], row, 3);
    lines->addWidget(w.txtImporto[i], row, 4);
}

// Paid box, total command and total, in row `row` of `lines` under the
// amounts.
void addTotalRow(RicevuteWidgets& w, QWidget* form, QGridLayout* lines, int row) {
    w.chkSaldato = new QCheckBox(QStringLiteral("Saldato"), form);
    w.chkSaldato->setObjectName(QStringLiteral("chkSaldato"));
    w.chkSaldato->setFont(formfont::bold(12));
    w.btnTotale = new QPushButton(QStringLiteral("Calcola totale  >>"), form);
    w.btnTotale->setObjectName(QStringLiteral("btnTotale"));
    w.btnTotale->setFont(formfont::bold(10));
    w.btnTotale->setCursor(Qt::PointingHandCursor);
    w.txtTotale = new QLabel(QStringLiteral("---"), form);
    w.txtTotale->setObjectName(QStringLiteral("txtTotale"));
    w.txtTotale->setFont(formfont::bold(12));
    w.txtTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    w.txtTotale->setFrameShape(QFrame::Box);
    w.txtTotale->setStyleSheet(
        QStringLiteral("color: %1; padding: 2px 4px; border: 2px solid %1;").arg(kMaroon.name()));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(w.chkSaldato);
    bottom->addStretch();
    bottom->addWidget(w.btnTotale);
    lines->addLayout(bottom, row, 0, 1, 4);
    lines->addWidget(w.txtTotale, row, 4);
}

// The ten stamp lines under their headings, then the total row.
QGridLayout* buildStampLines(RicevuteWidgets& w, QWidget* form) {
    auto* lines = new QGridLayout;
    lines->setHorizontalSpacing(6);
    lines->setVerticalSpacing(3);
    lines->addWidget(makeHeading(form, QStringLiteral("titQuant"), QStringLiteral("QUANT.")), 0, 0);
    lines->addWidget(
        makeHeading(form, QStringLiteral("titDescrizione"), QStringLiteral("DESCRIZIONE")), 0, 1, 1,
        2);
    lines->addWidget(
        makeHeading(form, QStringLiteral("titUnitario"), QStringLiteral("VAL. UNITARIO")), 0, 3);
    lines->addWidget(makeHeading(form, QStringLiteral("titImporto"), QStringLiteral("IMPORTO")), 0,
                     4);
    for (int i = 0; i < RicevuteWidgets::kLines; ++i)
        addStampLine(w, form, lines, i, i + 1);
    lines->setColumnStretch(1, 1);
    addTotalRow(w, form, lines, RicevuteWidgets::kLines + 1);
    return lines;
}

// The sheet: the three blocks side by side over the stamp lines.
void buildForm(RicevuteWidgets& w, QFrame* form) {
    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addLayout(buildResellerBlock(w, form), 1);
    top->addLayout(buildBuyerBlock(w, form), 1);
    top->addLayout(buildDetails(w, form), 1);

    auto* formLayout = new QVBoxLayout(form);
    formLayout->setContentsMargins(12, 8, 12, 8);
    formLayout->setSpacing(14);
    formLayout->addLayout(top);
    formLayout->addLayout(buildStampLines(w, form));
}

// The commands above the form.
QWidget* buildCommands(RicevuteWidgets& w, QWidget* screen) {
    editorframe::CommandRow row(screen);
    w.cmdNuovo = row.command("cmdNuovo", QStyle::SP_FileIcon, "Nuovo");
    w.cmdSalva = row.command("cmdSalva", QStyle::SP_DialogSaveButton, "Salva");
    w.cmdTrova = row.command("cmdTrova", QStyle::SP_FileDialogContentsView, "Trova");
    w.cmdAnteprima = row.command("cmdAnteprima", QStyle::SP_FileDialogInfoView, "Anteprima");
    w.cmdStampa = row.command("cmdStampa", QStyle::SP_ComputerIcon, "Stampa");
    // The two wide buttons stand out by their bold captions; the captions go
    // under the pictures, as on the other commands, so that the row fits a
    // 1024-pixel screen.
    for (QToolButton* wide : {w.cmdAnteprima, w.cmdStampa}) {
        wide->setFont(formfont::bold(10));
    }
    row.addNavigation(w, 70);
    w.cmdEsporta = row.command("cmdEsporta", QStyle::SP_DriveHDIcon, "Esporta");
    w.cmdDaSaldare = row.command("cmdDaSaldare",
                                 deferred::pictureIcon([] { return pictures::handWithCoin(32); }),
                                 QStringLiteral("Da saldare"));
    w.cmdGuida = row.help();
    w.cmdEsci = row.exit();

    w.cmdGuida->setIconSize(QSize(34, 34));
    w.cmdEsci->setIconSize(QSize(34, 34));

    // Narrow gaps between the groups: the whole row fits a 1024-pixel screen.
    row.layOut({{w.cmdNuovo, w.cmdSalva, w.cmdTrova},
                {w.cmdAnteprima, w.cmdStampa},
                {w.cmdPrimo, w.cmdIndietro, w.lblPosizione, w.cmdAvanti, w.cmdUltimo},
                {w.cmdEsporta, w.cmdDaSaldare}},
               QMargins(6, 4, 6, 4), -1, 6, w.cmdGuida, w.cmdEsci);
    return row.widget();
}

// The status hints of the commands; the background areas, headings and
// captions empty the status line.
void addHints(RicevuteWidgets& w, const QList<QWidget*>& background, QWidget* form) {
    auto* hints = new StatusHints(w.panInfo);
    const QString importaTariffa =
        QStringLiteral("Importa i dati dal tariffario dei valori bollati.");
    const QList<QPair<QWidget*, QString>> hinted = {
        {w.cmdNuovo,
         QStringLiteral("Prepara la schermata per la registrazione di una nuova distinta.")},
        {w.cmdSalva, QStringLiteral("Salva o aggiorna la distinta.")},
        {w.cmdTrova, QStringLiteral("Trova una distinta in archivio.")},
        {w.cmdAnteprima, QStringLiteral("Visualizza l'anteprima di stampa della distinta.")},
        {w.cmdStampa, QStringLiteral("Stampa la distinta.")},
        {w.cmdPrimo, QStringLiteral("Visualizza la prima distinta in archivio.")},
        {w.cmdIndietro, QStringLiteral("Visualizza la distinta precedente in archivio.")},
        {w.cmdAvanti, QStringLiteral("Visualizza la distinta successiva in archivio.")},
        {w.cmdUltimo, QStringLiteral("Visualizza l'ultima distinta in archivio.")},
        {w.cmdEsporta, QStringLiteral("Esporta l'archivio in un file di Microsoft Excel.")},
        {w.cmdDaSaldare, QStringLiteral("Visualizza l'elenco delle distinte non ancora saldate.")},
        {w.cmdGuida,
         QStringLiteral("Visualizza la pagina della guida in linea sensibile al contesto.")},
        {w.cmdEsci, QStringLiteral("Esci da questa schermata di lavoro.")},
        {w.impCliente, QStringLiteral("Importa i dati dall'archivio degli acquirenti.")},
        {w.impData, QStringLiteral("Inserisci la data corrente.")},
        {w.impNumerazione, QStringLiteral("Imposta il numero iniziale dal quale far partire la "
                                          "numerazione automatica delle distinte.")},
        {w.btnTotale, QStringLiteral("Calcola l'importo totale.")},
        {w.chkSaldato, QStringLiteral("Spunta questa casella per indicare che l'acquirente ha "
                                      "saldato la distinta.")},
    };
    for (const auto& [widget, hint] : hinted)
        hints->addHint(widget, hint);
    for (QToolButton* import : w.impBollato)
        hints->addHint(import, importaTariffa);
    for (QWidget* area : background)
        hints->addBackground(area);
    // The headings and captions are part of the background too.
    for (QLabel* label : form->findChildren<QLabel*>())
        if (label != w.txtTotale)
            hints->addBackground(label);
}

// The keys, after the hints they add to.
void addKeys(RicevuteWidgets& w, QWidget* screen) {
    auto* keys = new EditorKeys(screen, w.panInfo, EditorKeys::commandsOf(w));
    for (QLineEdit* line : w.txtAcqRigo)
        keys->addImportKey(line, w.impCliente);
    for (int i = 0; i < RicevuteWidgets::kLines; ++i)
        keys->addImportKey(w.txtDescrizione[i], w.impBollato[i]);
}

// The Enter chain, down the form as the printed page reads.
void buildEnterChain(const RicevuteWidgets& w) {
    QList<QWidget*> chain;
    for (QLineEdit* f : w.txtRivRigo)
        chain.append(f);
    for (QLineEdit* f : w.txtAcqRigo)
        chain.append(f);
    chain << w.txtNumRic << w.txtData << w.txtNomeRiv << w.txtPagamento;
    for (int i = 0; i < RicevuteWidgets::kLines; ++i)
        chain << w.txtQuant[i] << w.txtDescrizione[i] << w.txtUnitario[i] << w.txtImporto[i];
    chain << w.btnTotale;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        setEnterNext(chain[i], chain[i + 1]);
}

} // namespace

RicevuteWidgets RicevuteWidgets::build(QWidget* screen) {
    RicevuteWidgets w;

    // The distinta sits like a sheet of paper on a grey desk.
    const editorframe::Desk desk =
        editorframe::makeDesk(screen, QStringLiteral("shpDistinta"), kFormMaximumWidth);

    // Hidden mirrors and the invisible focus sink.
    w.lblFile = makeHidden(screen, QStringLiteral("lblFile"), QString());
    w.lblInizio = makeHidden(screen, QStringLiteral("lblInizio"), QStringLiteral("1"));
    w.btnFocus = new QPushButton(desk.sheet);
    w.btnFocus->setObjectName(QStringLiteral("btnFocus"));
    w.btnFocus->setFixedSize(0, 0);
    w.btnFocus->setFocusPolicy(Qt::ClickFocus);

    buildForm(w, desk.sheet);
    QWidget* commands = buildCommands(w, screen);
    w.panInfo = editorframe::makeStatusLine(
        screen, QStringLiteral("Pronto per archiviare una nuova distinta..."));
    editorframe::layOutScreen(screen, commands, desk.scroll, w.panInfo);

    addHints(w, {screen, commands, desk.desk, desk.sheet}, desk.sheet);
    addKeys(w, screen);
    buildEnterChain(w);
    return w;
}
