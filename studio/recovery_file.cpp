// Where recovery files live, writing them atomically, and finding those of studios that ended.
#include "studio/recovery_file.h"

#include <cerrno>
#include <csignal>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

#include "host/loader/session.h"
#include "platform/files.h"

namespace {

constexpr const char* kPrefix = "recovery-";
constexpr const char* kSuffix = ".trellis-recovery";

// Whether the process that named a file still runs (a live studio's file is its own business).
bool ProcessRuns(qint64 pid)
{
    if (pid <= 0 || pid == getpid())
        return pid == getpid();
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

RecoveryFile::RecoveryFile(const QString& folder)
    : m_path(QDir(folder).filePath(QString::fromLatin1(kPrefix) + QString::number(getpid()) + QLatin1String(kSuffix)))
{
}

QString RecoveryFile::DefaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("recovery"));
}

void RecoveryFile::Write(const RecoveryContent& content) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    WriteOutputFile(m_path.toStdString(), EncodeRecovery(content));
}

void RecoveryFile::Remove() const { QFile::remove(m_path); }

std::vector<RecoveryFile::Found> RecoveryFile::FindAbandoned(const QString& folder)
{
    std::vector<Found> found;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QString::fromLatin1(kPrefix) + QLatin1Char('*') + QLatin1String(kSuffix)},
                                            QDir::Files, QDir::Time);
    for (const QString& name : names) {
        const QString middle = name.mid(int(qstrlen(kPrefix)), name.size() - int(qstrlen(kPrefix) + qstrlen(kSuffix)));
        bool ok = false;
        const qint64 pid = middle.toLongLong(&ok);
        if (ok && ProcessRuns(pid))
            continue;
        const QString file = dir.filePath(name);
        std::string bytes, error;
        std::optional<RecoveryContent> content;
        if (ReadWholeFile(file.toStdString(), bytes, &error, kMaxBlockBytes + 65536))
            content = DecodeRecovery(bytes);
        if (!content) {
            QFile::remove(file);
            continue;
        }
        found.push_back({file, std::move(*content)});
    }
    return found;
}
