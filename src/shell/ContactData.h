#pragma once

#include <QString>
#include <QStringList>

namespace vitrano {

// The maker's and the partners' contact data shown in the main window and the information box.
struct TPartner {
    QString Name;
    QString WebSite;
};

struct TContactData {
    QStringList MakerLines; // name and address, one line each
    QString Phone;
    QString WebSite;
    QString SupportMail;
    TPartner Partners[2];
};

const TContactData& ContactData();

} // namespace vitrano
