#include "shell/TInfoBox.h"

#include "core/GlobalSettings.h"
#include "core/TextDecoding.h"
#include "shell/ContactData.h"
#include "ui/common/ExternalLinks.h"
#include "ui/common/FormTranslation.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vitrano {

TInfoBox::TInfoBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FInfo"));
    setWindowTitle(QStringLiteral("Info"));
    const TGlobalSettings& settings = GlobalSettings();
    auto* layout = new QVBoxLayout(this);
    FProgramm = new QLabel(settings.ProgramTitle + QStringLiteral(" ©"), this);
    FProgramm->setObjectName(QStringLiteral("lblProgramm"));
    QFont titleFont = FProgramm->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    FProgramm->setFont(titleFont);
    layout->addWidget(FProgramm);
    FVersion = new QLabel(QStringLiteral("Version: ") + settings.ProgramVersion, this);
    FVersion->setObjectName(QStringLiteral("lblVersion"));
    layout->addWidget(FVersion);

    FInfo = new QPlainTextEdit(this);
    FInfo->setObjectName(QStringLiteral("memInfo"));
    FInfo->setReadOnly(true);
    FInfo->setMinimumSize(420, 220);
    layout->addWidget(FInfo);
    LoadInfoText();

    const TContactData& contact = ContactData();
    for (const QString& line : contact.MakerLines) {
        layout->addWidget(new QLabel(line, this));
    }
    layout->addWidget(new QLabel(contact.Phone, this));
    layout->addWidget(CreateLinkLabel(this, QStringLiteral("lblMail"), contact.SupportMail,
                                      QStringLiteral("mailto:") + contact.SupportMail));
    layout->addWidget(CreateLinkLabel(this, QStringLiteral("lblWeb"), contact.WebSite));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("bOK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    UebersetzeForm(this);
}

void TInfoBox::LoadInfoText() {
    const TGlobalSettings& settings = GlobalSettings();
    QFile file(settings.ProgramFolder + settings.LanguageFolder + QStringLiteral("Info.txt"));
    FInfo->setPlainText(file.open(QIODevice::ReadOnly)
                            ? DecodeText(file.readAll(), TNoBomFallback::Utf8OrWindows1252)
                            : QString());
}

QString TInfoBox::InfoText() const {
    return FInfo->toPlainText();
}

void TInfoBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    UebersetzeForm(this);
}

} // namespace vitrano
