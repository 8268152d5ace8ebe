#pragma once

// Writes any persistent class as XML-like text and reads it back, driven only
// by the class's published properties. The reader is a forward scanner that
// looks for literal tags, not a general XML parser: files are read the way
// they are written.

#include "core/Published.h"
#include "files/NumberFormat.h"
#include "files/SerializerErrors.h"

#include <QByteArray>
#include <QIODevice>
#include <QSet>
#include <QString>
#include <algorithm>
#include <exception>
#include <functional>
#include <optional>

namespace vitrano {

class TXmlPropertySerializer {
public:
    // Writing: a line break and one tab per level before every property tag.
    bool GenerateFormattedXML = true;
    // Writing: simple properties with empty text are left out.
    bool ExcludeEmptyValues = false;
    // Writing: integer and enumeration properties whose text equals the decimal
    // text of their declared default are left out.
    bool ExcludeDefaultValues = false;
    // "<" and ">" in simple values become "&lt;" and "&gt;", and back on reading.
    bool ReplaceReservedSymbols = false;
    // "&", "<" and ">" in simple values become "&amp;", "&lt;" and "&gt;", and
    // back on reading, so that every text survives a save and a load, even one
    // that contains markup or looks like a closing tag.
    bool EscapeMarkup = false;
    // Reading: a missing opening tag of an object is an error (else skipped).
    bool StrongConformity = true;
    // Reading: tags that name no published property are skipped (else an error).
    bool IgnoreUnknownTags = false;
    // Collection items are written inside an element named after the property.
    bool WrapCollections = true;
    // Supplies the header text; DefaultXMLHeader is used when it gives none.
    std::function<QString()> OnGetXMLHeader;
    // Receives the decoded text before reading and may change it.
    std::function<void(QString& text)> BeforeParsing;
    QString DefaultXMLHeader;
    // Decimal separator of real values written; reading accepts both "," and ".".
    TNumberFormat NumberFormat = TNumberFormat::Current();

    template <PublishedClass C>
    QByteArray Serialize(const C& object) const;
    template <PublishedClass C>
    void Serialize(const C& object, QIODevice& stream) const {
        stream.write(Serialize(object));
    }

    // Reads into the existing object; collections get items appended. Raises
    // the serializer's errors or EConvertError; values read before stay.
    template <PublishedClass C>
    void DeSerialize(C& object, const QByteArray& data);
    template <PublishedClass C>
    void DeSerialize(C& object, QIODevice& stream) {
        DeSerialize(object, stream.readAll());
    }

    // A document type definition for the object's class.
    template <PublishedClass C>
    QByteArray GenerateDTD(const C& object) const;

private:
    struct Output {
        QString text;
        QString lineBreak;
        QString indent;

        void Line(int level, const QString& content) {
            text += lineBreak;
            for (int i = 0; i < level; ++i) {
                text += indent;
            }
            text += content;
        }
    };

    QString FText;
    qsizetype FScan = 0;

    // Writing.
    template <PublishedClass C>
    void WriteObject(const C& object, int level, Output& out) const;
    template <class P, class Owner>
    void WriteProperty(const P& property, const Owner& object, int level, Output& out) const;
    template <class T>
    QString ValueText(const T& value) const;
    QString EscapedForWriting(const QString& text) const;

    // Reading.
    template <PublishedClass C>
    bool ReadObject(C& object, QString tag, std::optional<qsizetype> enclosingEnd);
    template <PublishedClass C>
    bool ReadNamedProperty(C& object, const QString& name, const QString& value, qsizetype tagStart,
                           qsizetype enclosingEnd);
    template <class P, class Owner>
    void ReadProperty(const P& property, Owner& object, const QString& value,
                      qsizetype enclosingEnd);
    template <PublishedCollection C>
    void ReadItems(C& collection, qsizetype enclosingEnd);
    template <class T>
    T ValueFromText(const QString& text) const;
    QString UnescapedForReading(const QString& text) const;
    qsizetype SkipControlCharacters(qsizetype position) const;

    // Document type definition.
    template <PublishedClass C>
    void DescribeClass(const QString& name, QSet<QString>& written, QString& out) const;
};

// ---------------------------------------------------------------- writing

template <PublishedClass C>
QByteArray TXmlPropertySerializer::Serialize(const C& object) const {
    Output out;
    if (GenerateFormattedXML) {
        out.lineBreak = QStringLiteral("\r\n");
        out.indent = QStringLiteral("\t");
    }
    QString header = OnGetXMLHeader ? OnGetXMLHeader() : QString();
    if (header.isEmpty()) {
        header = DefaultXMLHeader;
    }
    out.text += header;
    const QString className = QString::fromLatin1(C::ClassName.data(), C::ClassName.size());
    out.Line(0, QLatin1Char('<') + className + QLatin1Char('>'));
    WriteObject(object, 1, out);
    out.Line(0, QStringLiteral("</") + className + QLatin1Char('>'));
    return out.text.toUtf8();
}

template <PublishedClass C>
void TXmlPropertySerializer::WriteObject(const C& object, int level, Output& out) const {
    ForEachPublished<C>([&](const auto& property) {
        if (property.stored) {
            WriteProperty(property, object, level, out);
        }
    });
}

template <class P, class Owner>
void TXmlPropertySerializer::WriteProperty(const P& property, const Owner& object, int level,
                                           Output& out) const {
    using T = typename P::ValueType;
    const QString name = QString::fromLatin1(property.name.data(), property.name.size());
    const QString open = QLatin1Char('<') + name + QLatin1Char('>');
    const QString close = QStringLiteral("</") + name + QLatin1Char('>');
    if constexpr (P::Kind == PropertyKind::Collection) {
        const T& collection = property.Get(object);
        const int itemLevel = WrapCollections ? level + 1 : level;
        if (WrapCollections) {
            out.Line(level, open);
        }
        WriteObject(collection, itemLevel, out);
        const auto& itemName = T::ItemType::ClassName;
        const QString itemClass = QString::fromLatin1(itemName.data(), itemName.size());
        for (int i = 0; i < collection.Count(); ++i) {
            out.Line(itemLevel, QLatin1Char('<') + itemClass + QLatin1Char('>'));
            WriteObject(collection.GetItem(i), itemLevel + 1, out);
            out.Line(itemLevel, QStringLiteral("</") + itemClass + QLatin1Char('>'));
        }
        if (WrapCollections) {
            out.Line(level, close);
        }
    } else if constexpr (P::Kind == PropertyKind::Object) {
        out.Line(level, open);
        WriteObject(property.Get(object), level + 1, out);
        out.Line(level, close);
    } else {
        QString text = ValueText(property.Get(object));
        if (ExcludeEmptyValues && text.isEmpty()) {
            return;
        }
        if constexpr (P::Kind == PropertyKind::Integer || P::Kind == PropertyKind::Boolean) {
            // Compared with the decimal text of the default, as the format
            // always did: Booleans ("True"/"False") are therefore never left out.
            const QString defaultText =
                QString::number(static_cast<long long>(property.declaredDefault));
            if (ExcludeDefaultValues && text == defaultText) {
                return;
            }
        }
        out.Line(level, open + EscapedForWriting(text) + close);
    }
}

template <class T>
QString TXmlPropertySerializer::ValueText(const T& value) const {
    if constexpr (std::is_same_v<T, bool>) {
        return BoolToText(value);
    } else if constexpr (std::is_same_v<T, int>) {
        return QString::number(value);
    } else if constexpr (std::is_same_v<T, double>) {
        return FloatToText(value, NumberFormat);
    } else {
        return value;
    }
}

// ---------------------------------------------------------------- reading

template <PublishedClass C>
void TXmlPropertySerializer::DeSerialize(C& object, const QByteArray& data) {
    FText = QString::fromUtf8(data);
    if (BeforeParsing) {
        BeforeParsing(FText);
    }
    FScan = 0;
    ReadObject(object, QString::fromLatin1(C::ClassName.data(), C::ClassName.size()), std::nullopt);
}

template <PublishedClass C>
bool TXmlPropertySerializer::ReadObject(C& object, QString tag,
                                        std::optional<qsizetype> enclosingEnd) {
    if constexpr (PublishedCollection<C>) {
        if (!WrapCollections) {
            const auto& itemName = C::ItemType::ClassName;
            tag = QString::fromLatin1(itemName.data(), itemName.size());
        }
    }
    const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
    const qsizetype openPos = FText.indexOf(open, FScan);
    if (openPos < 0) {
        RaiseUnless<EJvgXMLOpenTagNotFoundException>(
            !StrongConformity, QStringLiteral("Open tag not found: <%1>").arg(tag));
        return false;
    }
    const QString close = QStringLiteral("</") + tag + QLatin1Char('>');
    const qsizetype closePos = FText.indexOf(close, openPos + open.size());
    RaiseUnless<EJvgXMLCloseTagNotFoundException>(
        closePos >= 0 && (!enclosingEnd || closePos < *enclosingEnd),
        QStringLiteral("Close tag not found: </%1>").arg(tag));

    qsizetype cursor = SkipControlCharacters(openPos + open.size());
    while (cursor < closePos) {
        const qsizetype tagStart = FText.indexOf(QLatin1Char('<'), cursor);
        if (tagStart < 0 || tagStart >= closePos) {
            break;
        }
        const qsizetype tagEnd = FText.indexOf(QLatin1Char('>'), tagStart + 1);
        if (tagEnd < 0) {
            break;
        }
        const QString name = FText.mid(tagStart + 1, tagEnd - tagStart - 1);
        const QString nameClose = QStringLiteral("</") + name + QLatin1Char('>');
        const qsizetype valueEnd = FText.indexOf(nameClose, tagEnd + 1);
        RaiseUnless<EJvgXMLCloseTagNotFoundException>(
            valueEnd >= 0, QStringLiteral("Close tag not found: </%1>").arg(name));
        const QString value = FText.mid(tagEnd + 1, valueEnd - tagEnd - 1);
        if (WrapCollections) {
            FScan = tagStart;
        }
        if (!ReadNamedProperty(object, name, value, tagStart, closePos)) {
            RaiseUnless<EJvgXMLUnknownPropertyException>(
                IgnoreUnknownTags, QStringLiteral("Unknown property: %1").arg(name));
        }
        cursor = SkipControlCharacters(valueEnd + nameClose.size());
    }
    // An object without properties must still move the scan on, or a
    // collection of such items would read the same item forever.
    FScan = std::max(FScan, openPos + open.size());
    return true;
}

template <PublishedClass C>
bool TXmlPropertySerializer::ReadNamedProperty(C& object, const QString& name, const QString& value,
                                               qsizetype tagStart, qsizetype enclosingEnd) {
    bool found = false;
    const auto tryName = [&](const QString& wanted) {
        ForEachPublished<C>([&](const auto& property) {
            if (found || QLatin1String(property.name.data(), property.name.size()) != wanted) {
                return;
            }
            found = true;
            if (!WrapCollections) {
                FScan = tagStart;
            }
            ReadProperty(property, object, value, enclosingEnd);
        });
    };
    tryName(name);
    if (!found && !WrapCollections) {
        tryName(name + QLatin1Char('s'));
    }
    return found;
}

template <class P, class Owner>
void TXmlPropertySerializer::ReadProperty(const P& property, Owner& object, const QString& value,
                                          qsizetype enclosingEnd) {
    using T = typename P::ValueType;
    if constexpr (P::Kind == PropertyKind::Collection) {
        ReadItems(property.Member(object), enclosingEnd);
    } else if constexpr (P::Kind == PropertyKind::Object) {
        ReadObject(property.Member(object),
                   QString::fromLatin1(property.name.data(), property.name.size()), enclosingEnd);
    } else {
        property.Set(object, ValueFromText<T>(UnescapedForReading(value)));
    }
}

template <PublishedCollection C>
void TXmlPropertySerializer::ReadItems(C& collection, qsizetype enclosingEnd) {
    const auto& itemName = C::ItemType::ClassName;
    const QString itemClass = QString::fromLatin1(itemName.data(), itemName.size());
    for (;;) {
        auto& item = collection.Add();
        bool read = false;
        try {
            read = ReadObject(item, itemClass, enclosingEnd);
        } catch (const std::exception&) {
            read = false;
        }
        if (!read) {
            collection.Delete(collection.Count() - 1);
            return;
        }
    }
}

template <class T>
T TXmlPropertySerializer::ValueFromText(const QString& text) const {
    if constexpr (std::is_same_v<T, bool>) {
        return TextToBool(text);
    } else if constexpr (std::is_same_v<T, int>) {
        return TextToInt(text);
    } else if constexpr (std::is_same_v<T, double>) {
        // Files written under either number format read correctly.
        QString normalised = text;
        if (NumberFormat.DecimalSeparator == QLatin1Char(',')) {
            normalised.replace(QLatin1Char('.'), QLatin1Char(','));
        } else {
            normalised.replace(QLatin1Char(','), NumberFormat.DecimalSeparator);
        }
        return TextToFloat(normalised, NumberFormat);
    } else {
        return text;
    }
}

// ---------------------------------------------------------------- DTD

template <PublishedClass C>
QByteArray TXmlPropertySerializer::GenerateDTD(const C&) const {
    QSet<QString> written;
    QString out;
    DescribeClass<C>(QString::fromLatin1(C::ClassName.data(), C::ClassName.size()), written, out);
    return out.toUtf8();
}

template <PublishedClass C>
void TXmlPropertySerializer::DescribeClass(const QString& name, QSet<QString>& written,
                                           QString& out) const {
    if (written.contains(name)) {
        return;
    }
    written.insert(name);
    QStringList names;
    ForEachPublished<C>([&names](const auto& property) {
        names << QString::fromLatin1(property.name.data(), property.name.size());
    });
    QString content = names.join(QLatin1Char('|'));
    if constexpr (PublishedCollection<C>) {
        const auto& itemName = C::ItemType::ClassName;
        content += QLatin1Char('|') + QString::fromLatin1(itemName.data(), itemName.size()) +
                   QLatin1Char('*');
    }
    if (content.isEmpty()) {
        content = QStringLiteral("#PCDATA");
    }
    out += QStringLiteral("<!ELEMENT ") + name + QStringLiteral(" (") + content +
           QStringLiteral(")>\r\n");
    ForEachPublished<C>([&](const auto& property) {
        using P = std::decay_t<decltype(property)>;
        const QString propertyName =
            QString::fromLatin1(property.name.data(), property.name.size());
        if constexpr (P::Kind == PropertyKind::Object || P::Kind == PropertyKind::Collection) {
            DescribeClass<typename P::ValueType>(propertyName, written, out);
        } else if (!written.contains(propertyName)) {
            written.insert(propertyName);
            out += QStringLiteral("<!ELEMENT ") + propertyName + QStringLiteral(" (#PCDATA)>\r\n");
        }
    });
}

} // namespace vitrano
