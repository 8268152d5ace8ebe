#include "shell/ContactData.h"

namespace vitrano {

const TContactData& ContactData() {
    static const TContactData data{
        {QStringLiteral("Vitrano Bauphysik-Software"), QStringLiteral("Fensterweg 12"),
         QStringLiteral("12345 Glasstadt")},
        QStringLiteral("+49 123 456789-0"),
        QStringLiteral("https://www.example.com/"),
        QStringLiteral("support@example.com"),
        {{QStringLiteral("Nordprofil Systeme"), QStringLiteral("https://www.example.net/")},
         {QStringLiteral("Glaswerk Morvena"), QStringLiteral("https://www.example.org/")}},
    };
    return data;
}

} // namespace vitrano
