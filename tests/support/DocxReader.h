#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// Reads the parts of a .docx (or any zip) file for tests that check a document's contents.
class CDocxReader
{
public:
    explicit CDocxReader(const QString& fileName);
    explicit CDocxReader(const QByteArray& zipBytes);

    bool IsValid() const { return m_Valid; }
    QStringList Entries() const { return m_Entries; }
    QByteArray Part(const QString& name) const { return m_Parts.value(name); }
    QString Text(const QString& name) const { return QString::fromUtf8(Part(name)); }

    // The texts of a WordprocessingML part in document order: one entry per paragraph (page
    // breaks left out, tabs as
    // "\t", line breaks as "\n", fields as their shown text), each table as "[table]" followed
    // by its cells' paragraphs and closed by "[/table]".
    static QStringList Paragraphs(const QByteArray& xml);
    // The tables of a part, each as rows of cell texts (paragraphs of a cell joined by "\r").
    static QList<QList<QStringList>> Tables(const QByteArray& xml);
    // True when the part is well-formed XML.
    static bool WellFormed(const QByteArray& xml, QString* error = nullptr);

private:
    void Load(const QByteArray& bytes);

    bool m_Valid = false;
    QStringList m_Entries;
    QHash<QString, QByteArray> m_Parts;
};
