#include "buyers/ui/AnagraficaWidgets.h"

#include "buyers/ui/CardTyping.h"
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

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Field = SchedaAnagrafica::Field;
using cardtyping::Rule;

enum class Kind { Text, Box, Digits };

// Where a field sits on the form (a grid of six columns), its caption and
// its typing rule. The fields are listed in stored order, which is also the
// screen order of the Tab key and of the Enter chain.
struct Place {
    Field field;
    const char* caption; // null for the boxes after the first of a group
    int row, column, span;
    Rule rule = Rule::None;
    Kind kind = Kind::Text;
};

const Place kPlaces[] = {
    {SchedaAnagrafica::Nome, "NOME, COGNOME O RAGIONE SOCIALE:", 0, 0, 3},
    {SchedaAnagrafica::Indirizzo, "INDIRIZZO:", 0, 3, 2},
    {SchedaAnagrafica::Num, "N. CIVICO:", 0, 5, 1},
    {SchedaAnagrafica::Localita, "LOCALITA':", 1, 1, 3},
    {SchedaAnagrafica::Tel, "TEL.", 1, 5, 1},
    {SchedaAnagrafica::Email, "E-MAIL:", 2, 0, 2, Rule::Trimmed},
    {SchedaAnagrafica::DataNasc, "DATA DI NASCITA:", 2, 2, 1},
    {SchedaAnagrafica::Sesso, "SESSO:", 2, 3, 1, Rule::UpperCase},
    {SchedaAnagrafica::LuogoNasc, "LUOGO DI NASCITA:", 2, 4, 2},
    {SchedaAnagrafica::CodFisc, "CODICE FISCALE:", 3, 0, 2, Rule::UpperCase},
    {SchedaAnagrafica::PartitaIva, "PARTITA IVA:", 3, 2, 2, Rule::None, Kind::Digits},
    {SchedaAnagrafica::Iban, "IBAN:", 3, 4, 2, Rule::UpperCase},
    {SchedaAnagrafica::Pec, "PEC:", 4, 0, 2, Rule::Trimmed},
    {SchedaAnagrafica::Carta, "CARTA DI CREDITO N.", 4, 2, 2, Rule::UpperCase},
    {SchedaAnagrafica::ScadeCarta, "SCADENZA:", 4, 4, 1},
    {SchedaAnagrafica::Cel, "TEL. CELLULARE:", 4, 5, 1},
    {SchedaAnagrafica::Cittadinanza, "CITTADINANZA:", 5, 0, 2},
    {SchedaAnagrafica::Occupazione, "OCCUPAZIONE:", 5, 2, 2},
    {SchedaAnagrafica::Civile, "STATO CIVILE:", 5, 4, 2},
    {SchedaAnagrafica::TipoDoc, "DOCUMENTO (tipo e numero):", 6, 0, 2},
    {SchedaAnagrafica::EnteRil, "ENTE RILASCIO:", 6, 2, 2},
    {SchedaAnagrafica::DataRil, "DATA RILASCIO:", 6, 4, 1},
    {SchedaAnagrafica::DataSca, "DATA SCADENZA:", 6, 5, 1},
    {SchedaAnagrafica::Prodotti, "PRODOTTI DI INTERESSE:", 7, 0, 5},
    {SchedaAnagrafica::Questioni, "QUESTIONI IN SOSPESO:", 8, 0, 5},
    {SchedaAnagrafica::Note, "NOTE:", 9, 0, 5},
};

QString fieldName(int index) {
    return QString::fromLatin1(SchedaAnagrafica::layout().field(index).name);
}

QLineEdit* makeField(QWidget* parent, int index) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("txt") + fieldName(index));
    field->setMaxLength(SchedaAnagrafica::layout().field(index).capacity);
    field->setFont(formfont::bold(12));
    applyStyledHighlight(field);
    return field;
}

QLabel* makeCaption(QWidget* parent, const char* text) {
    auto* caption = new QLabel(QString::fromUtf8(text), parent);
    caption->setFont(formfont::bold(8));
    return caption;
}

QToolButton* makeCheckIcon(QWidget* parent, const QString& name, const QIcon& icon) {
    QToolButton* button = makePictureButton(parent, name, icon);
    button->setIconSize(QSize(22, 22));
    return button;
}

// A caption over a row of widgets.
QVBoxLayout* cell(QLabel* caption, const QList<QWidget*>& widgets) {
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    column->addWidget(caption);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    bool grows = false;
    for (QWidget* w : widgets) {
        const bool wide = w->inherits("QLineEdit") && w->maximumWidth() > 100;
        row->addWidget(w, wide ? 1 : 0);
        grows = grows || wide;
    }
    // Boxes of a fixed width stay together at the left.
    if (!grows)
        row->addStretch();
    column->addLayout(row);
    return column;
}

QList<QWidget*> boxes(const AnagraficaWidgets& w, int first, int count) {
    QList<QWidget*> out;
    for (int i = first; i < first + count; ++i)
        out.append(w.txt[i]);
    return out;
}

void buildForm(AnagraficaWidgets& w, QWidget* form, QWidget* screen) {
    for (int i = 0; i < AnagraficaWidgets::kEditFields; ++i)
        w.txt[i] = makeField(form, i);
    const QIcon check = deferred::styleIcon(QStyle::SP_DialogApplyButton);
    w.btnEmail = makeCheckIcon(form, QStringLiteral("btnEmail"),
                               deferred::styleIcon(QStyle::SP_ArrowForward));
    w.btnCodFisc = makeCheckIcon(form, QStringLiteral("btnCodFisc"), check);
    w.btnPartitaIva = makeCheckIcon(form, QStringLiteral("btnPartitaIva"), check);
    w.btnIban = makeCheckIcon(form, QStringLiteral("btnIban"), check);
    w.btnCarta = makeCheckIcon(form, QStringLiteral("btnCarta"), check);
    QHash<int, QToolButton*> icons = {{SchedaAnagrafica::Email, w.btnEmail},
                                      {SchedaAnagrafica::CodFisc, w.btnCodFisc},
                                      {SchedaAnagrafica::PartitaIva, w.btnPartitaIva},
                                      {SchedaAnagrafica::Iban, w.btnIban},
                                      {SchedaAnagrafica::Carta, w.btnCarta}};

    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(14, 10, 14, 10);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    for (const Place& p : kPlaces) {
        QLineEdit* field = w.txt[p.field];
        QList<QWidget*> widgets{field};
        if (QToolButton* icon = icons.value(p.field))
            widgets.append(icon);
        grid->addLayout(cell(makeCaption(form, p.caption), widgets), p.row, p.column, 1, p.span);
        cardtyping::applyRule(field, p.rule);
        // The partita IVA is typed from the document in hand, never pasted.
        if (p.kind == Kind::Digits)
            installKeyFilter(field, KeyFilterKind::Digits,
                             p.field == SchedaAnagrafica::PartitaIva ? PastePolicy::Refused
                                                                     : PastePolicy::Filtered);
    }
    w.txt[SchedaAnagrafica::Sesso]->setAlignment(Qt::AlignCenter);
    w.txt[SchedaAnagrafica::Sesso]->setFixedWidth(48);

    // The single-character boxes of the CAP and the province.
    for (int i = SchedaAnagrafica::Cap01; i <= SchedaAnagrafica::Prov01 + 1; ++i)
        if (i != SchedaAnagrafica::Localita)
            w.txt[i]->setFixedWidth(30);
    grid->addLayout(cell(makeCaption(form, "CAP:"), boxes(w, SchedaAnagrafica::Cap01, 5)), 1, 0);
    grid->addLayout(cell(makeCaption(form, "PROV."), boxes(w, SchedaAnagrafica::Prov01, 2)), 1, 4);

    // The person beside the lower block.
    auto* imgPersona = new QLabel(form);
    imgPersona->setObjectName(QStringLiteral("imgPersona"));
    deferred::setPicture(imgPersona, QSize(110, 110),
                         [] { return pictures::areaPicture(pictures::Area::Buyers, 110); });
    imgPersona->setAlignment(Qt::AlignCenter);
    grid->addWidget(imgPersona, 7, 5, 3, 1);
    for (int c = 0; c < 6; ++c)
        grid->setColumnStretch(c, 1);

    // Hidden attachment labels.
    for (int i = 0; i < int(w.lbl.size()); ++i) {
        auto* label = new QLabel(screen);
        label->setObjectName(QStringLiteral("lbl") + fieldName(AnagraficaWidgets::kEditFields + i));
        label->hide();
        w.lbl[i] = label;
    }
}

void buildEnterChain(AnagraficaWidgets& w) {
    // Screen order is stored order; from the notes back to the name.
    for (int i = 0; i < AnagraficaWidgets::kEditFields; ++i) {
        QLineEdit* next = w.txt[(i + 1) % AnagraficaWidgets::kEditFields];
        setEnterNext(w.txt[i], next);
    }
    for (int i = SchedaAnagrafica::Cap01; i <= SchedaAnagrafica::Prov01 + 1; ++i)
        if (i != SchedaAnagrafica::Localita)
            cardtyping::makeCharacterBox(w.txt[i], w.txt[i + 1]);
}

QWidget* buildCommands(AnagraficaWidgets& w, QWidget* screen) {
    editorframe::CommandRow row(screen);
    w.cmdNuovo = row.command("cmdNuovo", QStyle::SP_FileIcon, "Nuovo");
    w.cmdDuplica = row.command("cmdDuplica", QStyle::SP_FileDialogNewFolder, "Duplica");
    w.cmdSalva = row.command("cmdSalva", QStyle::SP_DialogSaveButton, "Salva");
    w.cmdTrova = row.command("cmdTrova", QStyle::SP_FileDialogContentsView, "Trova");
    w.cmdFile = row.command("cmdFile", QStyle::SP_FileLinkIcon, "Allega file");
    w.cmdStampa = row.command("cmdStampa", QStyle::SP_ComputerIcon, "Stampa");
    for (QToolButton* wide : {w.cmdFile, w.cmdStampa}) {
        wide->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        wide->setFont(formfont::bold(9));
    }
    row.addNavigation(w, 60);
    w.cmdEsporta = row.command("cmdEsporta", QStyle::SP_DriveHDIcon, "Esporta");
    w.cmdQuestioni = row.command("cmdQuestioni", QStyle::SP_MessageBoxWarning, "Questioni");
    w.cmdGuida = row.help();
    w.cmdEsci = row.exit();

    row.layOut({{w.cmdNuovo, w.cmdDuplica, w.cmdSalva, w.cmdTrova},
                {w.cmdFile, w.cmdStampa},
                {w.cmdPrimo, w.cmdIndietro, w.lblPosizione, w.cmdAvanti, w.cmdUltimo},
                {w.cmdEsporta, w.cmdQuestioni}},
               QMargins(4, 2, 4, 2), 0, 2, w.cmdGuida, w.cmdEsci);
    return row.widget();
}

void addHints(AnagraficaWidgets& w, QWidget* screen, const QList<QWidget*>& background) {
    auto* hints = new StatusHints(w.panInfo);
    const QList<QPair<QWidget*, const char*>> hinted = {
        {w.cmdNuovo, "Prepara la schermata per l'inserimento di una nuova scheda."},
        {w.cmdDuplica, "Prepara la schermata per l'inserimento di una nuova scheda duplicando i "
                       "dati correnti."},
        {w.cmdSalva, "Salva la scheda corrente in archivio."},
        {w.cmdTrova, "Trova una scheda in archivio."},
        {w.cmdFile, "Allega file alla scheda corrente."},
        {w.cmdStampa, "Stampa la scheda corrente."},
        {w.cmdPrimo, "Visualizza la prima scheda in archivio."},
        {w.cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {w.cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {w.cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {w.cmdEsporta, "Esporta l'archivio in un file di Microsoft Excel."},
        {w.cmdQuestioni, "Visualizza il riepilogo delle questioni in sospeso."},
        {w.cmdGuida, "Visualizza la pagina della guida in linea sensibile al contesto."},
        {w.cmdEsci, "Esci da questa schermata di lavoro."},
        {w.btnEmail, "Invia una e-mail all'indirizzo indicato."},
        {w.btnCodFisc, "Controlla il codice fiscale."},
        {w.btnPartitaIva, "Controlla il numero di partita IVA."},
        {w.btnIban, "Controlla l'IBAN."},
        {w.btnCarta, "Controlla il numero di carta di credito."},
    };
    for (const auto& [widget, hint] : hinted)
        hints->addHint(widget, QString::fromUtf8(hint));
    hints->addBackground(screen);
    for (QWidget* area : background) {
        hints->addBackground(area);
        for (QLabel* label : area->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            hints->addBackground(label);
    }
}

} // namespace

AnagraficaWidgets AnagraficaWidgets::build(QWidget* screen) {
    AnagraficaWidgets w;

    // The card sits centred on the desk.
    const editorframe::Desk desk = editorframe::makeDesk(screen, QStringLiteral("shpScheda"), 1400);
    buildForm(w, desk.sheet, screen);
    buildEnterChain(w);

    QWidget* commands = buildCommands(w, screen);
    w.panInfo = editorframe::makeStatusLine(
        screen, QStringLiteral("Pronto per archiviare una nuova scheda..."));
    editorframe::layOutScreen(screen, commands, desk.scroll, w.panInfo);

    addHints(w, screen, {commands, desk.desk, desk.sheet});
    new EditorKeys(screen, w.panInfo, EditorKeys::commandsOf(w));
    return w;
}
