#include "ShellFixture.h"
#include "l10n/FRStringResource.h"
#include "l10n/Language.h"
#include "shell/ContactData.h"
#include "shell/TFRSprache.h"
#include "shell/TInfoBox.h"
#include "shell/Tfmain.h"

namespace vitrano {
namespace {

class TranslationCoverageTest : public test::ShellTest {};

// Every caption of the forms built so far has an English line, so that a partial language
// file falls back to English instead of showing German. Only names, addresses and numbers
// stay as they are.
TEST_F(TranslationCoverageTest, EnglishFileCoversEveryCaptionOfTheForms) {
    for (const char* name : {"english.txt", "francais.txt"}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VITRANO_DATA_DIR "/") + QString::fromLatin1(name),
                                PathOf(QString::fromLatin1(name))));
    }
    Translator().SetSprachDatei(PathOf("francais.txt"));
    ASSERT_TRUE(Translator().Uebersetzen());
    FRStringResource().Uebersetzen(Translator());
    {
        Tfmain window;
        window.show();
        TInfoBox info(&window);
        info.show();
        TFRSprache sprache(&window);
    }

    const TGlobalSettings& settings = GlobalSettings();
    QStringList asIs{settings.ProgramTitle + " " + settings.ProgramVersion.left(3),
                     settings.ProgramTitle + " ©", "Version: " + settings.ProgramVersion,
                     ContactData().Phone, ContactData().WebSite, ContactData().SupportMail};
    asIs << ContactData().MakerLines;
    for (const TPartner& partner : ContactData().Partners) {
        asIs << partner.Name << partner.WebSite;
    }
    QStringList missing;
    for (const QString& text : Translator().DefaultDictionary().Untranslated()) {
        if (!asIs.contains(text)) {
            missing << text;
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(" | ").toStdString();
}

} // namespace
} // namespace vitrano
