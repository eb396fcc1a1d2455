#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class CReportDocument;

// Writes a CReportDocument as WordprocessingML: the XML parts, and the zip package holding
// them that Word and LibreOffice open.
class CDocxWriter
{
public:
    static QByteArray DocumentXml(const CReportDocument& document);
    static QByteArray FooterXml(const CReportDocument& document);
    // Every part of the package: name inside the zip, contents.
    static QList<QPair<QString, QByteArray>> Parts(const CReportDocument& document);
    // The zipped package; empty, with the reason, on failure.
    static QByteArray Package(const CReportDocument& document, QString* error = nullptr);
    // Text as XML allows it: characters XML 1.0 cannot hold are dropped.
    static QString XmlSafe(const QString& text);
};
