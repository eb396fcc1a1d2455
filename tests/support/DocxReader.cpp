#include "DocxReader.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <zip.h>

CDocxReader::CDocxReader(const QString& fileName)
{
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        Load(file.readAll());
}

CDocxReader::CDocxReader(const QByteArray& zipBytes)
{
    Load(zipBytes);
}

void CDocxReader::Load(const QByteArray& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (!source)
        return;
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (!archive)
    {
        zip_source_free(source);
        return;
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    bool ok = true;
    for (zip_int64_t i = 0; i < count && ok; ++i)
    {
        zip_stat_t stat;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) < 0)
        {
            ok = false;
            break;
        }
        const QString name = QString::fromUtf8(stat.name);
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        ok = file && zip_fread(file, data.data(), stat.size) == zip_int64_t(stat.size);
        if (file)
            zip_fclose(file);
        m_Entries << name;
        m_Parts.insert(name, data);
    }
    zip_close(archive);
    m_Valid = ok;
}

namespace
{
const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
}

QStringList CDocxReader::Paragraphs(const QByteArray& xml)
{
    QStringList paragraphs;
    QString current;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
    {
        reader.readNext();
        if (reader.namespaceUri() != W)
            continue;
        const QStringView name = reader.name();
        if (reader.isStartElement())
        {
            if (name == u"p")
                current.clear();
            else if (name == u"t")
                current += reader.readElementText();
            else if (name == u"tab")
                current += QLatin1Char('\t');
            else if (name == u"br" &&
                     reader.attributes().value(W, QStringLiteral("type")) != u"page")
                current += QLatin1Char('\n');
            else if (name == u"tbl")
                paragraphs << QStringLiteral("[table]");
        }
        else if (reader.isEndElement())
        {
            if (name == u"p")
                paragraphs << current;
            else if (name == u"tbl")
                paragraphs << QStringLiteral("[/table]");
        }
    }
    return paragraphs;
}

QList<QList<QStringList>> CDocxReader::Tables(const QByteArray& xml)
{
    QList<QList<QStringList>> tables;
    QStringList cellParagraphs;
    QString paragraph;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
    {
        reader.readNext();
        if (reader.namespaceUri() != W)
            continue;
        const QStringView name = reader.name();
        if (reader.isStartElement())
        {
            if (name == u"tbl")
                tables.append(QList<QStringList>());
            else if (name == u"tr")
                tables.last().append(QStringList());
            else if (name == u"tc")
                cellParagraphs.clear();
            else if (name == u"p")
                paragraph.clear();
            else if (name == u"t")
                paragraph += reader.readElementText();
            else if (name == u"tab")
                paragraph += QLatin1Char('\t');
            else if (name == u"br")
                paragraph += QLatin1Char('\n');
        }
        else if (reader.isEndElement())
        {
            if (name == u"p")
                cellParagraphs << paragraph;
            else if (name == u"tc")
                tables.last().last() << cellParagraphs.join(QLatin1Char('\r'));
        }
    }
    return tables;
}

bool CDocxReader::WellFormed(const QByteArray& xml, QString* error)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError() && error)
        *error = reader.errorString();
    return !reader.hasError();
}
