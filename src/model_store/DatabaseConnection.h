#pragma once

#include <QList>
#include <QMutex>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

class QSqlQuery;

// The connection machinery both databases share: an SQLite file opened read-write (a missing
// file is an error, never a new empty database), WAL journal with full sync, one lock per
// database held while a statement runs, the statement log and the store's one error message.
//
// Statement log: when QUILLON_SQL_LOG names a file, every statement is appended to it, one per
// line, line breaks inside written as \n. Transaction control (BEGIN/COMMIT) is not logged.
class CDatabaseConnection
{
public:
    // The store's one message for every database failure.
    static inline const QString ErrorText =
        QStringLiteral(" Item with given name already exists in the database or Recover window.");

    // connectFailureText is shown when the connection object cannot be made.
    explicit CDatabaseConnection(const QString& connectFailureText);
    ~CDatabaseConnection();
    CDatabaseConnection(const CDatabaseConnection&) = delete;
    CDatabaseConnection& operator=(const CDatabaseConnection&) = delete;

    bool Open(const QString& path);
    bool IsOpen() const;
    void Close();
    QString Path() const { return m_Path; }

    // Creates a new database file and runs the schema statements in it; refuses an existing
    // file. Nothing is shown: the reason goes to *error.
    static bool CreateDatabase(const QString& path, const QStringList& schema, QString* error);

    // Runs a statement that changes data. On failure shows the error message and returns false.
    // newId receives the row id the statement inserted.
    bool Execute(const QString& statement, int* newId = nullptr);

    // Runs a SELECT and appends one record per row to list, in ascending order of the first
    // column (the table's counter) whatever plan the engine chose. readRow converts the current
    // row. Returns false after the error message on an engine failure (rows read before it are
    // kept), or false without a message when the result has fewer than boundColumns columns.
    template <class Record, class ReadRow>
    bool Select(const QString& statement, int boundColumns, QList<Record>& list, ReadRow readRow)
    {
        std::vector<std::pair<qint64, Record>> rows;
        const bool ok = RunSelect(statement, boundColumns,
                                  [&](const QSqlQuery& query)
                                  { rows.emplace_back(FirstColumn(query), readRow(query)); });
        const auto byId = [](const auto& a, const auto& b) { return a.first < b.first; };
        if (!std::is_sorted(rows.begin(), rows.end(), byId))
            std::stable_sort(rows.begin(), rows.end(), byId);
        list.reserve(list.size() + qsizetype(rows.size()));
        for (auto& row : rows)
            list.append(std::move(row.second));
        return ok;
    }

    // Nesting-safe: only the outermost Begin/Commit pair reaches the engine. A rollback at any
    // depth makes the outermost commit roll back instead (and return false).
    bool BeginTransaction();
    bool CommitTransaction();
    void RollbackTransaction();

    // Shows the store's one error message.
    static void ShowError();

    // Tests may watch every statement as it is run (null to stop).
    static void SetStatementObserver(std::function<void(const QString&)> observer);

private:
    bool RunSelect(const QString& statement, int boundColumns,
                   const std::function<void(const QSqlQuery&)>& perRow);
    static qint64 FirstColumn(const QSqlQuery& query);
    static void Trace(const QString& statement);
    bool RunPragmas();

    QString m_ConnectFailureText;
    QString m_ConnectionName;
    QString m_Path;
    QSqlDatabase m_Db;
    QMutex m_Lock;
    int m_TransactionDepth = 0;
    bool m_RollbackOnly = false;
};
