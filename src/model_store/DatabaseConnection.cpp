#include "model_store/DatabaseConnection.h"

#include "common/Prompter.h"
#include "common/StreamPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <atomic>

namespace
{
const QString kDriver = QStringLiteral("QSQLITE");

QString NewConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("quillon-%1").arg(++counter);
}

// SQLite URI: the path must not let '?', '#' or '%' be read as URI syntax.
QString UriFor(const QString& path)
{
    QString p = QFileInfo(path).absoluteFilePath();
    p.replace(u'%', QStringLiteral("%25"));
    p.replace(u'?', QStringLiteral("%3f"));
    p.replace(u'#', QStringLiteral("%23"));
    return QStringLiteral("file:") + p + QStringLiteral("?mode=rw");
}

QMutex& LogLock()
{
    static QMutex lock;
    return lock;
}

std::function<void(const QString&)>& Observer()
{
    static std::function<void(const QString&)> observer;
    return observer;
}
} // namespace

CDatabaseConnection::CDatabaseConnection(const QString& connectFailureText)
    : m_ConnectFailureText(connectFailureText), m_ConnectionName(NewConnectionName())
{
}

CDatabaseConnection::~CDatabaseConnection()
{
    Close();
}

bool CDatabaseConnection::Open(const QString& path)
{
    Close();
    m_Db = QSqlDatabase::addDatabase(kDriver, m_ConnectionName);
    if (!m_Db.isValid())
    {
        m_Db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_ConnectionName);
        CPrompter::Message(m_ConnectFailureText);
        return false;
    }
    m_Path = path;
    m_Db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    m_Db.setDatabaseName(UriFor(path));
    // The pragmas also prove the file is a database: SQLite reads it lazily.
    if (!m_Db.open() || !RunPragmas())
    {
        Close();
        ShowError();
        return false;
    }
    return true;
}

bool CDatabaseConnection::RunPragmas()
{
    QSqlQuery query(m_Db);
    return query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) &&
           query.exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

bool CDatabaseConnection::IsOpen() const
{
    return m_Db.isValid() && m_Db.isOpen();
}

void CDatabaseConnection::Close()
{
    if (!m_Db.isValid())
        return;
    if (m_TransactionDepth > 0)
        m_Db.rollback();
    m_TransactionDepth = 0;
    m_RollbackOnly = false;
    m_Db.close();
    m_Db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_ConnectionName);
}

bool CDatabaseConnection::CreateDatabase(const QString& path, const QStringList& schema,
                                         QString* error)
{
    const auto fail = [error](const QString& text)
    {
        if (error)
            *error = text;
        return false;
    };
    const QFileInfo info(path);
    if (info.exists())
        return fail(QStringLiteral("%1 already exists; it is never overwritten.").arg(path));
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("Cannot create the folder %1.").arg(info.absolutePath()));

    const QString name = NewConnectionName();
    bool ok = false;
    QString reason;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name);
        db.setDatabaseName(info.absoluteFilePath());
        if (db.open())
        {
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && db.transaction();
            for (const QString& statement : schema)
            {
                if (!ok)
                    break;
                Trace(statement);
                ok = query.exec(statement);
            }
            if (ok)
                ok = db.commit();
            if (!ok)
                reason = query.lastError().text();
            query.finish();
            db.close();
        }
        else
        {
            reason = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
    {
        QFile::remove(info.absoluteFilePath());
        return fail(QStringLiteral("Cannot create %1: %2").arg(path, reason));
    }
    return true;
}

bool CDatabaseConnection::Execute(const QString& statement, int* newId)
{
    QMutexLocker locker(&m_Lock);
    Trace(statement);
    QSqlQuery query(m_Db);
    if (!query.exec(statement))
    {
        locker.unlock();
        ShowError();
        return false;
    }
    if (newId)
        *newId = query.lastInsertId().toInt();
    return true;
}

bool CDatabaseConnection::RunSelect(const QString& statement, int boundColumns,
                                    const std::function<void(const QSqlQuery&)>& perRow)
{
    QMutexLocker locker(&m_Lock);
    Trace(statement);
    QSqlQuery query(m_Db);
    query.setForwardOnly(true);
    if (!query.exec(statement))
    {
        locker.unlock();
        ShowError();
        return false;
    }
    if (!query.isActive())
        return false;
    bool first = true;
    while (query.next())
    {
        if (first && query.record().count() < boundColumns)
            return false; // the binding does not fit this result
        first = false;
        perRow(query);
    }
    if (query.lastError().isValid())
    {
        locker.unlock();
        ShowError();
        return false;
    }
    return true;
}

qint64 CDatabaseConnection::FirstColumn(const QSqlQuery& query)
{
    return query.value(0).toLongLong();
}

bool CDatabaseConnection::BeginTransaction()
{
    QMutexLocker locker(&m_Lock);
    if (m_TransactionDepth == 0)
    {
        if (!m_Db.transaction())
        {
            locker.unlock();
            ShowError();
            return false;
        }
        m_RollbackOnly = false;
    }
    ++m_TransactionDepth;
    return true;
}

bool CDatabaseConnection::CommitTransaction()
{
    QMutexLocker locker(&m_Lock);
    if (m_TransactionDepth == 0)
        return false;
    if (--m_TransactionDepth > 0)
        return !m_RollbackOnly;
    if (m_RollbackOnly)
    {
        m_Db.rollback();
        m_RollbackOnly = false;
        return false;
    }
    if (!m_Db.commit())
    {
        m_Db.rollback();
        locker.unlock();
        ShowError();
        return false;
    }
    return true;
}

void CDatabaseConnection::RollbackTransaction()
{
    QMutexLocker locker(&m_Lock);
    if (m_TransactionDepth == 0)
        return;
    if (--m_TransactionDepth > 0)
    {
        m_RollbackOnly = true;
        return;
    }
    m_Db.rollback();
    m_RollbackOnly = false;
}

void CDatabaseConnection::ShowError()
{
    CPrompter::Message(ErrorText, CPrompter::Icon::Information, CPrompter::DefaultCaption);
}

void CDatabaseConnection::SetStatementObserver(std::function<void(const QString&)> observer)
{
    QMutexLocker locker(&LogLock());
    Observer() = std::move(observer);
}

void CDatabaseConnection::Trace(const QString& statement)
{
    QMutexLocker locker(&LogLock());
    if (Observer())
        Observer()(statement);
    const QString logPath = qEnvironmentVariable("QUILLON_SQL_LOG");
    if (logPath.isEmpty())
        return;
    static QFile log;
    if (log.fileName() != logPath || !log.isOpen())
    {
        log.close();
        log.setFileName(logPath);
        if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
    }
    log.write(CStreamPrompter::OneLine(statement).toUtf8() + '\n');
    log.flush();
}
