#include "shell/MainWindowWidgets.h"

#include "core/GlobalSettings.h"
#include "shell/ContactData.h"
#include "ui/common/ExternalLinks.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vitrano {

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setMinimumHeight(32);
    return button;
}

QPixmap CountryLogo() {
    QPixmap logo(36, 24);
    QPainter painter(&logo);
    painter.fillRect(0, 0, 36, 12, Qt::white);
    painter.fillRect(0, 12, 36, 12, QColor(0xd7, 0x14, 0x1a));
    const QPolygon wedge({QPoint(0, 0), QPoint(18, 12), QPoint(0, 24)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x11, 0x45, 0x7e));
    painter.drawPolygon(wedge);
    return logo;
}

void BuildTitleBand(QWidget* parent, TMainWindowWidgets& w) {
    w.pnlTitel = Named(new QFrame(parent), "pnlTitel");
    w.pnlTitel->setAutoFillBackground(true);
    w.pnlTitel->setStyleSheet(QStringLiteral("#pnlTitel { background: white; }"));
    auto* band = new QHBoxLayout(w.pnlTitel);
    auto* texts = new QVBoxLayout();
    w.lblTitel = Named(new QLabel(w.pnlTitel), "lblTitel");
    QFont titleFont = w.lblTitel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
    titleFont.setBold(true);
    w.lblTitel->setFont(titleFont);
    texts->addWidget(w.lblTitel);
    const char* const subtitles[4] = {
        "Programm zur Berechnung von", "U-Werten von Fenstern und Fassaden",
        "Neu: Psi rep Werte nach neuer ift Richtlinie",
        "Erstmalig: Profile für Fassaden nach aktueller EN 13947:2007"};
    const char* const names[4] = {"lblUntertitel1", "lblUntertitel2", "lblUntertitel3",
                                  "lblUntertitel4"};
    for (int i = 0; i < 4; ++i) {
        w.lblUntertitel[i] =
            Named(new QLabel(QString::fromUtf8(subtitles[i]), w.pnlTitel), names[i]);
        texts->addWidget(w.lblUntertitel[i]);
    }
    band->addLayout(texts);
    band->addStretch();
    w.imgLandLogo = Named(new QLabel(w.pnlTitel), "imgLandLogo");
    w.imgLandLogo->setPixmap(CountryLogo());
    band->addWidget(w.imgLandLogo, 0, Qt::AlignTop);
    w.imgTitel = Named(new QLabel(w.pnlTitel), "imgTitel");
    const QPixmap picture(GlobalSettings().PictureFolder +
                          QStringLiteral("fenster_zweiflOber.jpg"));
    if (!picture.isNull()) {
        w.imgTitel->setPixmap(picture.scaledToHeight(110, Qt::SmoothTransformation));
    }
    band->addWidget(w.imgTitel);
}

void BuildPartnerLogos(QWidget* parent, TMainWindowWidgets& w) {
    w.pnlPartnerLogos = Named(new QFrame(parent), "pnlPartnerLogos");
    w.pnlPartnerLogos->setFrameShape(QFrame::StyledPanel);
    auto* strip = new QHBoxLayout(w.pnlPartnerLogos);
    const char* const names[2] = {"imgPartner1", "imgPartner2"};
    for (int i = 0; i < 2; ++i) {
        w.imgPartner[i] =
            Named(new QLabel(ContactData().Partners[i].Name, w.pnlPartnerLogos), names[i]);
        QFont logoFont = w.imgPartner[i]->font();
        logoFont.setBold(true);
        logoFont.setPointSizeF(logoFont.pointSizeF() * 1.4);
        w.imgPartner[i]->setFont(logoFont);
        w.imgPartner[i]->setCursor(Qt::PointingHandCursor);
        strip->addWidget(w.imgPartner[i]);
        strip->addStretch();
    }
}

void BuildUpdateLines(QWidget* parent, QVBoxLayout* column, TMainWindowWidgets& w) {
    w.lblError = Named(new QLabel(parent), "lblError");
    w.lblError->setStyleSheet(QStringLiteral("color: red;"));
    w.lblError->hide();
    column->addWidget(w.lblError);
    w.pnlProgramUpdate = Named(new QFrame(parent), "ProgramUpdatePanel");
    w.pnlProgramUpdate->hide();
    column->addWidget(w.pnlProgramUpdate);
    w.pnlDatUpdate = Named(new QFrame(parent), "pnlDatUpdate");
    auto* line = new QHBoxLayout(w.pnlDatUpdate);
    line->addWidget(
        Named(new QLabel(QStringLiteral("Dataupdate available"), w.pnlDatUpdate), "lblDatUpdate"));
    w.pbDatUpdate = Named(new QProgressBar(w.pnlDatUpdate), "pbDatUpdate");
    line->addWidget(w.pbDatUpdate);
    w.sbDatUpdate = Named(new QPushButton(QStringLiteral("Update"), w.pnlDatUpdate), "sbDatUpdate");
    w.sbDatUpdate->setToolTip(QStringLiteral("Install update"));
    line->addWidget(w.sbDatUpdate);
    w.pnlDatUpdate->hide();
    column->addWidget(w.pnlDatUpdate);
}

void BuildButtons(QWidget* parent, QVBoxLayout* column, TMainWindowWidgets& w) {
    auto* grid = new QGridLayout();
    grid->setSpacing(8);
    const auto add = [&](QPushButton*& button, const char* name, const char* caption, int row,
                         int col) {
        button = Button(parent, name, QString::fromUtf8(caption));
        grid->addWidget(button, row, col);
    };
    add(w.lblNew, "lblNew", "&Neues Projekt", 0, 0);
    add(w.btnLaden, "btnLaden", "&Projekt öffnen", 0, 1);
    add(w.Beinzel, "Beinzel", "Assistent F&enster", 1, 0);
    add(w.btnSpeichern, "btnSpeichern", "Projekt &Speichern", 1, 1);
    add(w.Bassi, "Bassi", "Assistent &Fassade", 2, 0);
    add(w.BObjektdaten, "BObjektdaten", "&Objektdaten", 2, 1);
    add(w.sbWER, "sbWER", "Window energy rating", 3, 0);
    add(w.BInfo, "BInfo", "In&fo", 3, 1);
    add(w.sbWES, "sbWES", "Window energy saving", 4, 0);
    add(w.Beditor, "Beditor", "&Editor", 4, 1);
    add(w.BHilfe, "BHilfe", "Hilfe", 5, 0);
    add(w.ButtonSprache_AGS, "ButtonSprache_AGS", "Sprache", 5, 1);
    add(w.bEditSystemdata, "bEditSystemdata", "EditSystemdata", 6, 0);
    add(w.BEnde, "BEnde", "&Ende", 6, 1);
    column->addLayout(grid);
    column->addStretch();
}

void BuildContactPanels(QWidget* parent, QVBoxLayout* column, TMainWindowWidgets& w) {
    const TContactData& contact = ContactData();
    w.pnlKontakt = Named(new QFrame(parent), "pnlKontakt");
    w.pnlKontakt->setFrameShape(QFrame::StyledPanel);
    auto* lines = new QVBoxLayout(w.pnlKontakt);
    for (const QString& line : contact.MakerLines) {
        lines->addWidget(new QLabel(line, w.pnlKontakt));
    }
    lines->addWidget(new QLabel(contact.Phone, w.pnlKontakt));
    w.URL = CreateLinkLabel(w.pnlKontakt, QStringLiteral("URL"), contact.WebSite);
    lines->addWidget(w.URL);
    w.EMAIL = CreateLinkLabel(w.pnlKontakt, QStringLiteral("EMAIL"), contact.SupportMail,
                              QStringLiteral("mailto:") + contact.SupportMail);
    lines->addWidget(w.EMAIL);
    column->addWidget(w.pnlKontakt);

    w.pnlPartnerKontakt = Named(new QFrame(parent), "pnlPartnerKontakt");
    w.pnlPartnerKontakt->setFrameShape(QFrame::StyledPanel);
    auto* partners = new QVBoxLayout(w.pnlPartnerKontakt);
    const char* const names[2] = {"lblPartnerURL1", "lblPartnerURL2"};
    for (int i = 0; i < 2; ++i) {
        partners->addWidget(new QLabel(contact.Partners[i].Name, w.pnlPartnerKontakt));
        w.lblPartnerURL[i] = CreateLinkLabel(w.pnlPartnerKontakt, QString::fromLatin1(names[i]),
                                             contact.Partners[i].WebSite);
        partners->addWidget(w.lblPartnerURL[i]);
    }
    column->addWidget(w.pnlPartnerKontakt);
    column->addStretch();
}

} // namespace

void BuildMainWindowWidgets(QMainWindow& window, TMainWindowWidgets& w) {
    auto* central = Named(new QWidget(&window), "pnlMain");
    auto* page = new QVBoxLayout(central);
    BuildTitleBand(central, w);
    page->addWidget(w.pnlTitel);
    BuildPartnerLogos(central, w);
    page->addWidget(w.pnlPartnerLogos);

    auto* body = new QHBoxLayout();
    auto* buttonPanel = Named(new QFrame(central), "pnlButtons");
    auto* buttons = new QVBoxLayout(buttonPanel);
    BuildUpdateLines(buttonPanel, buttons, w);
    BuildButtons(buttonPanel, buttons, w);
    body->addWidget(buttonPanel, 3);
    auto* contacts = new QVBoxLayout();
    BuildContactPanels(central, contacts, w);
    body->addLayout(contacts, 2);
    page->addLayout(body, 1);
    window.setCentralWidget(central);

    w.AHilfe = Named(new QAction(QStringLiteral("Hilfe"), &window), "AHilfe");
    w.AHilfe->setShortcut(QKeySequence(Qt::Key_F1));
    window.addAction(w.AHilfe);
}

} // namespace vitrano
