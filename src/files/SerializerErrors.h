#pragma once

#include <QString>
#include <stdexcept>

namespace vitrano {

// Errors of the XML property serializer. The message starts with
// "XMLSerializerException" and a blank line, then says what went wrong.
class XMLSerializerException : public std::runtime_error {
public:
    explicit XMLSerializerException(const QString& message)
        : std::runtime_error(message.toStdString())
        , FMessage(message) {}
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

class EJvgXMLOpenTagNotFoundException : public XMLSerializerException {
public:
    using XMLSerializerException::XMLSerializerException;
};

class EJvgXMLCloseTagNotFoundException : public XMLSerializerException {
public:
    using XMLSerializerException::XMLSerializerException;
};

class EJvgXMLUnknownPropertyException : public XMLSerializerException {
public:
    using XMLSerializerException::XMLSerializerException;
};

// Raises an exception of class E with the serializer's message layout unless
// the condition holds.
template <class E>
void RaiseUnless(bool condition, const QString& message) {
    if (!condition) {
        throw E(QStringLiteral("XMLSerializerException\r\n\r\n") + message);
    }
}

} // namespace vitrano
